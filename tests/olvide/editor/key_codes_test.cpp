// Keys as the program space knows them: the key under the character typed, on a US layout.
#include "olvide/editor/key_codes.h"

#include <gtest/gtest.h>

namespace olvide::editor {
namespace {

int keyOf(int qtKey, Qt::KeyboardModifiers modifiers = {}) {
    const auto v = virtualKeyOf(qtKey, modifiers);
    return v ? v->key : -1;
}

TEST(KeyCodes, ShiftedCharactersMapToTheKeyUnderThem) {
    EXPECT_EQ(keyOf(Qt::Key_Plus, Qt::ShiftModifier), key::Equals);
    EXPECT_EQ(keyOf(Qt::Key_Equal), key::Equals);
    EXPECT_EQ(keyOf(Qt::Key_Less, Qt::ShiftModifier), key::Comma);
    EXPECT_EQ(keyOf(Qt::Key_Greater, Qt::ShiftModifier), key::Period);
    EXPECT_EQ(keyOf(Qt::Key_Exclam, Qt::ShiftModifier), key::Digit1);
    EXPECT_EQ(keyOf(Qt::Key_Ampersand, Qt::ShiftModifier), key::Digit7);
    EXPECT_EQ(keyOf(Qt::Key_Asterisk, Qt::ShiftModifier), key::Digit8);
    EXPECT_EQ(keyOf(Qt::Key_Bar, Qt::ShiftModifier), key::Backslash);
    EXPECT_EQ(keyOf(Qt::Key_Slash), key::Slash);
    EXPECT_EQ(keyOf(Qt::Key_Minus), key::Minus);
}

TEST(KeyCodes, LettersDigitsAndTheEditingKeysKeepTheirCodes) {
    EXPECT_EQ(keyOf(Qt::Key_S), 'S');
    EXPECT_EQ(keyOf(Qt::Key_W, Qt::ControlModifier), 'W');
    EXPECT_EQ(keyOf(Qt::Key_7), '7');
    EXPECT_EQ(keyOf(Qt::Key_Delete), key::Delete);
    EXPECT_EQ(keyOf(Qt::Key_Escape), key::Escape);
    EXPECT_EQ(keyOf(Qt::Key_F4), key::F4);
    EXPECT_EQ(keyOf(Qt::Key_F5), -1);
}

TEST(KeyCodes, TheModifiersComeAlongAndTheNumberBlocksSignsAreOtherKeys) {
    const auto v = virtualKeyOf(Qt::Key_Plus, Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->modifiers.shift);
    EXPECT_TRUE(v->modifiers.alt);
    EXPECT_FALSE(v->modifiers.ctrl);
    EXPECT_EQ(keyOf(Qt::Key_Plus, Qt::KeypadModifier), -1);
    EXPECT_EQ(keyOf(Qt::Key_5, Qt::KeypadModifier), '5');
}

} // namespace
} // namespace olvide::editor
