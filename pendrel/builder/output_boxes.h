#pragma once
// Output boxes: one input tie, no output tie; the key is the path their results arrive on.
// The text box shows the latest result as text, the animator sets a property of the graphic
// that holds it, the image box shows a grey image, the plotting box a polyline.
#include "pendrel/builder/box.h"
#include "pendrel/builder/engine_values.h"

#include <span>
#include <string>
#include <vector>

class GData;
class GImage;
class GPolyline;
class GText;
class GTextBox;

class GVPLOutput : public GVPLBox {
public:
    GVPLOutput() = default;
    GVPLOutput(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLOutput>();
    }
    static constexpr GClassID kClassID = vplid::kOutput;
    GClassID GetClassID() const override { return kClassID; }

    // The key: the path named after the line number of the input tie.
    void SetPathName();
    // Takes one result.
    virtual void SendZEZObject(GData* data) { (void)data; }
    // What the box shows of its latest result, as one line of text.
    virtual std::string ResultText() const { return {}; }
};

class GVPLOutputBox : public GVPLOutput {
public:
    GVPLOutputBox() = default;
    GVPLOutputBox(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLOutputBox>();
    }
    static constexpr GClassID kClassID = vplid::kOutputBox;
    GClassID GetClassID() const override { return kClassID; }

    // The result's text, cut to 255 characters, replaces what the one-line box showed.
    void SendZEZObject(GData* data) override;
    std::string ResultText() const override;
    void InitializeOwnedObjects() override;

private:
    GTextBox* text_ = nullptr;
};

class GVPLAnimator : public GVPLOutput {
public:
    GVPLAnimator() = default;
    GVPLAnimator(long x, long y, long width, long height, long property);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLAnimator>();
    }
    static constexpr GClassID kClassID = vplid::kAnimator;
    GClassID GetClassID() const override { return kClassID; }

    long Property() const { return property_; }
    void SetPropertyNumber(long property) { property_ = property; }
    // "Alter Appearance" opens the list of properties to drive.
    void MenuEvent(int command) override;
    // A long-valued property takes the result converted with FIX, a text one its text.
    void SendZEZObject(GData* data) override;
    // The property's value now.
    std::string ResultText() const override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long property_ = 11;
};

// The shape and range of an array result, as image and plotting boxes report it:
// "(16,16) min 1 max 16"; "not an array" for anything else.
std::string ArraySummary(vOBJECT* obj);

class GVPLImageBox : public GVPLOutputBox {
public:
    GVPLImageBox() = default;
    GVPLImageBox(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLImageBox>();
    }
    static constexpr GClassID kClassID = vplid::kImageBox;
    GClassID GetClassID() const override { return kClassID; }

    // Width is dimension 0, height dimension 1; C and UC data are taken as they are, any other
    // type is scaled to 0..255.
    void SendZEZObject(GData* data) override;
    std::string ResultText() const override { return summary_; }
    const Gimage& Image() const { return image_; }
    void InitializeOwnedObjects() override;

private:
    void PlaceImage();
    Gimage image_;
    std::string summary_;
    GImage* shown_ = nullptr;
};

// The grey image of an array result; an empty image for anything else.
Gimage GreyImageOf(vOBJECT* obj);

class GVPLPlottingBox : public GVPLOutputBox {
public:
    static constexpr long kArea = 1000;
    GVPLPlottingBox() = default;
    GVPLPlottingBox(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLPlottingBox>();
    }
    static constexpr GClassID kClassID = vplid::kPlottingBox;
    GClassID GetClassID() const override { return kClassID; }

    // Results of more than two elements become the plotted line.
    void SendZEZObject(GData* data) override;
    std::string ResultText() const override { return summary_; }
    const std::vector<Gpoint>& Points() const { return points_; }
    void InitializeOwnedObjects() override;

private:
    std::vector<Gpoint> points_;
    std::string summary_;
    GView* area_ = nullptr;
};

// The points a plotting box draws for the values: every k-th of n with k = n / 400 + 1, at
// x = (b * 100 / n) * 10 and y = the value scaled to 0..1000.
std::vector<Gpoint> PlotPoints(std::span<const double> values);
