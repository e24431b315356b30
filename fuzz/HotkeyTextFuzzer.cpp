// The stored hotkey text ("Ctrl+F9", "F5"): split for registering it and for
// the two drop-down selectors.

#include "FuzzSupport.h"
#include "core/Conversion.h"
#include "core/HotkeyText.h"

using namespace lumo;
using namespace lumo::fuzz;

namespace {

const QStringList modifierWords{kModifierNone, QStringLiteral("Ctrl"), QStringLiteral("Alt"),
                                QStringLiteral("Ctrl+Alt")};

bool isModifierSet(const std::optional<platform::Modifiers> &modifiers) {
    return !modifiers ||
           (unsigned(*modifiers) & ~unsigned(platform::Modifiers::Control | platform::Modifiers::Alt)) == 0;
}

// A text the program writes itself reads back as what it was made of.
void checkComposed(uint8_t modifierChoice, uint8_t keyChoice) {
    const QString modifier = modifierWords[modifierChoice % modifierWords.size()];
    const QStringList keys = hotkeyKeyWords();
    const int keyIndex = keyChoice % keys.size();
    const QString text = composeHotkeyText(modifier, keys[keyIndex]);

    const RegistrationParse registration = parseForRegistration(text);
    check(registration.keyWord == keys[keyIndex], "composed key word reads back", text);
    // F1 to F12, then the two side buttons.
    const platform::HotkeyKey key =
        keyIndex < 12 ? platform::HotkeyKey{keyIndex + 1} : platform::sideButton(keyIndex - 11);
    check(registration.key == key, "composed key reads as its key", text);
    check(registration.modifiers == modifiersOfWord(modifier), "composed modifiers read back", text);

    const SelectorParse selectors = parseForSelectors(text);
    check(selectors.keyWord == keys[keyIndex] && selectors.modifierWord == modifier,
          "composed text selects what it was made of", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size >= 2)
        checkComposed(data[0], data[1]);

    const QString text = textOf(data, size);
    try {
        const RegistrationParse parse = parseForRegistration(text);
        check(isModifierSet(parse.modifiers), "registration modifiers are Ctrl and Alt", text);
    } catch (const HandlerError &) {
    }
    try {
        (void)hotkeyKeyOfKeyWord(text);
    } catch (const HandlerError &) {
    }
    check(isModifierSet(modifiersOfWord(text)), "word modifiers are Ctrl and Alt", text);

    const SelectorParse selectors = parseForSelectors(text);
    check(!selectors.modifierWord || modifierWords.contains(*selectors.modifierWord),
          "the modifier selector is one of the four words", text);
    return 0;
}
