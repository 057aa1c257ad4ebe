// The pop-ups of the builder: the deposit field of input ties and the property lists of sensors
// and animators.
#include "program_fixture.h"

#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/gtextbox.h"

namespace {

GPopupView* FirstPopup(const GList& list) {
    for (G0* object : list.Objects())
        if (auto* popup = As<GPopupView>(object)) return popup;
    return nullptr;
}

} // namespace

TEST_F(ProgramTest, DepositFieldShowsAndTakesTheHeldValue) {
    GVPLFunction* mul = Function("MUL");
    GVPLInputTie* tie = mul->InputTie(2);
    ASSERT_TRUE(tie->DepositInputValue("\"old\""));
    tie->MenuEvent(vplcmd::kDepositInputValue);
    GPopupView* popup = FirstPopup(*tie);
    ASSERT_NE(popup, nullptr);
    GInputBox* field = nullptr;
    for (G0* object : popup->Objects())
        if (auto* box = As<GInputBox>(object)) field = box;
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetText(), "old");
    for (int i = 0; i < 3; ++i)
        field->KeyEvent(8);
    for (char c : std::string("42\r"))
        field->KeyEvent(c);
    EXPECT_EQ(tie->HeldValueText(), "42");
    EXPECT_EQ(FirstPopup(*tie), nullptr);
    // Output boxes take no deposits.
    auto* out = Add<GVPLOutputBox>(100, 0, 40, 20);
    out->InputTie(1)->MenuEvent(vplcmd::kDepositInputValue);
    EXPECT_EQ(FirstPopup(*out->InputTie(1)), nullptr);
}

TEST_F(ProgramTest, SensorsChooseTheirPropertyFromAList) {
    auto* sensor = Add<GVPLPropertySensor>(0, 0, 40, 20, 11);
    sensor->MenuEvent(vplcmd::kAlterAppearance);
    GPopupView* popup = FirstPopup(*sensor);
    ASSERT_NE(popup, nullptr);
    // XPos, YPos, Width, Height, RGB Color and Position of the program view.
    std::vector<std::string> names;
    gpopupActionText* height = nullptr;
    for (G0* object : popup->Objects()) {
        auto* item = As<gpopupActionText>(object);
        if (item == nullptr) continue;
        names.push_back(item->Text());
        if (item->Value() == 14) height = item;
    }
    EXPECT_EQ(names, (Lines{"XPos", "YPos", "Width", "Height", "RGB Color", "Position"}));
    ASSERT_NE(height, nullptr);
    height->MouseEvent(gmouse::kPress, 0, 0);
    EXPECT_EQ(sensor->Property(), 14);
}
