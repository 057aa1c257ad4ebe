#pragma once
// TVisualor: the base of every program object (variables, commanders, constants, operators and
// visual objects): identity, name, comment, the picture and label that show it on its program
// space, selection and highlight, attribute window and object record.
#include "olvide/model/kinds.h"
#include "olvide/model/objects/attribute_window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace olvide {

class Platform;
class RecordReader;
class ProgramServices;
class RecordWriter;
struct Menu;

// The icon of an object on its program space. The platform draws it from these fields.
struct PictureControl {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    std::string icon;         // picture file of the kind ("numico.bmp")
    std::string overlay;      // a second picture laid over the icon ("iforico.bmp"), or empty
    bool highlighted = false; // drawn in its selected form (also the blink phase)
    bool framed = false;      // commanders: frame mark
    bool marked = false;      // commanders: second mark
};

// The name under the icon.
struct LabelControl {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 10;
    bool visible = false;
    std::string text;
    int fontSize = 11;
    bool inverted = false; // blue background, text in the canvas colour (highlighted object)
};

// Where a picture is shown: the side windows cut the label to a fixed width.
enum class ShownIn { ProgramSpace, StepWindow, ParameterWindow, ArgumentPanel };

// Virtual key codes the objects and the program space react to (those of a US layout).
namespace key {
inline constexpr int Escape = 0x1B;
inline constexpr int Delete = 0x2E;
inline constexpr int F4 = 0x73;
inline constexpr int Digit1 = '1';
inline constexpr int Digit7 = '7';
inline constexpr int Digit8 = '8';
inline constexpr int Equals = 0xBB; // Shift: plus
inline constexpr int Comma = 0xBC;  // Shift: less than
inline constexpr int Minus = 0xBD;
inline constexpr int Period = 0xBE; // Shift: greater than
inline constexpr int Slash = 0xBF;
inline constexpr int Backslash = 0xDC; // Shift: vertical bar
} // namespace key

struct KeyModifiers {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

class TVisualor {
public:
    explicit TVisualor(ProgramServices* owner);
    virtual ~TVisualor();
    TVisualor(const TVisualor&) = delete;
    TVisualor& operator=(const TVisualor&) = delete;

    // Second half of construction (virtual operations work here): serial, names, kind code,
    // and, with an owner, picture and label centred on (x, y), hidden.
    void Create(int x, int y, int id, bool isTemp = false);

    std::string VisualorName;
    std::string VisualorAlias;
    std::uint8_t VisualorStyle = kind::Visualor;
    std::vector<std::string> VisualorComment;
    // The program that holds the object, as the services it offers its objects; none for
    // objects that are not shown on a program space.
    ProgramServices* Owner = nullptr;
    bool Dragging = false;
    std::int32_t VisualorId = 0;
    bool Highlighted = false;
    bool DoubleClicked = false;
    bool OpenAttributes = false;
    PictureControl VisualorImage;
    LabelControl VisualorLabel;
    bool hasPicture = false;
    ShownIn shownIn = ShownIn::ProgramSpace;
    // Whether the top-level items of the kind's operation menu are enabled for this object.
    bool menuEnabled = false;

    // Slot operations.
    virtual std::string setvisualorname(std::int32_t id) const;
    virtual std::uint8_t setvisualorstyle() const { return kind::Visualor; }
    virtual void EnableMenu() { menuEnabled = true; }
    virtual void DisableMenu() { menuEnabled = false; }
    virtual void selectdraw();
    virtual void unselectdraw();
    virtual void Redraw();
    virtual void ShowAlias();
    virtual void setstatushint() {}
    virtual void writedefinewindow(AttributeWindow& window) const;
    virtual void readdefinewindow(const AttributeWindow& window);
    virtual void visualorImageMouseMove(int x, int y);
    virtual void visualorImageMouseDown();
    virtual void visualorImageMouseUp();
    virtual void visualorImageDoubleClick();
    virtual void KeyDown(int key, KeyModifiers modifiers);
    virtual void save(RecordWriter& writer) const;
    virtual void load(RecordReader& reader);

    // The picture file of the kind.
    virtual std::string iconName() const { return "varico.bmp"; }
    // Text after the alias on the label ("[]" for arrays, "[P]" for element patterns).
    virtual std::string labelSuffix() const { return {}; }
    // Called at the end of Create, when the object has its name and serial.
    virtual void created() {}
    // Called first in Create: variables take their temporary flag here, before naming.
    virtual void setTemporaryAtCreation(bool) {}

    void ShowObject(bool visible);
    virtual void SetAlias(std::string_view text);
    bool shown() const { return hasPicture && VisualorImage.visible; }
    // 1 + position of the object in its owner's list of its kind; 0 for none.
    static std::int32_t SerialOf(const TVisualor* object);

    Platform& platform() const { return *platform_; }
    // Moves the picture so that its centre is at (x, y); the label follows.
    void moveCentreTo(int x, int y);
    void placeAt(int left, int top);
    int centreX() const { return VisualorImage.left + VisualorImage.width / 2; }
    int centreY() const { return VisualorImage.top + VisualorImage.height / 2; }
    bool editing() const; // no program is running

protected:
    void pictureChanged();
    void labelChanged();
    void centreLabel();
    // Written between the kind code and the serial (an array's pattern serial).
    virtual void saveKindPrefix(RecordWriter&) const {}

private:
    Platform* platform_;
};

// Makes an object of class T with the owner at (x, y) with the serial id.
template <class T>
std::unique_ptr<T> makeObject(ProgramServices* owner, int x, int y, std::int32_t id,
                              bool isTemp = false) {
    auto object = std::make_unique<T>(owner);
    object->Create(x, y, id, isTemp);
    return object;
}

// The alias as step texts and status lines show it: a two-line alias (CR LF) as first line,
// "_", second line.
std::string oneLine(std::string_view alias);

} // namespace olvide
