#pragma once
// Tyin: a visual object, a picture with a name and comment that takes no part in steps.
#include "olvide/model/objects/visualor.h"

#include <functional>

namespace olvide {

class Tyin : public TVisualor {
public:
    using TVisualor::TVisualor;
    std::string pictureFile;
    bool hasOwnPicture = false;
    std::function<void(Tyin&)> onSelect;

    std::string setvisualorname(std::int32_t) const override { return "Inventor"; }
    std::uint8_t setvisualorstyle() const override { return kind::Yin; }
    std::string iconName() const override;
    void selectdraw() override;
    void setstatushint() override;
    void visualorImageMouseDown() override;
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;
    // Takes a picture file: kept when it exists, otherwise forgotten (default picture).
    void setPictureFile(std::string path);
};

} // namespace olvide
