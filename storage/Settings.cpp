#include "storage/Settings.h"

namespace lumo {

namespace {

const QString kSection = QStringLiteral("setting");

struct KeyAndDefault {
    const char16_t *key;
    const char16_t *fallback;
};

KeyAndDefault keyAndDefault(Setting setting) {
    switch (setting) {
    case Setting::MouseButton:
        return {u"btn1", u"左键"};
    case Setting::ClickKind:
        return {u"btn_type", u"单击"};
    case Setting::Speed:
        return {u"time", u"1"};
    case Setting::HotkeyModifier:
        return {u"hotkey1", u"Ctrl"};
    case Setting::HotkeyKey:
        return {u"hotkey2", u"F3"};
    case Setting::ClickLimit:
        return {u"click", u"100"};
    case Setting::FixedX:
        return {u"xpos", u"0"};
    case Setting::FixedY:
        return {u"ypos", u"0"};
    case Setting::Hold:
        return {u"hold", u"0"};
    case Setting::Jitter:
        return {u"jitter", u"0"};
    case Setting::StopHotkey:
        return {u"stophotkey", u"F6"};
    }
    return {u"", u""};
}

} // namespace

QString Settings::keyOf(Setting setting) {
    return QString::fromUtf16(keyAndDefault(setting).key);
}

QString Settings::text(Setting setting) const {
    return ini_.readString(kSection, keyOf(setting), QString::fromUtf16(keyAndDefault(setting).fallback));
}

bool Settings::holds(Setting setting) const {
    // No value is a line break: it stands for a missing key.
    const QString missing = QStringLiteral("\n");
    return ini_.readString(kSection, keyOf(setting), missing) != missing;
}

void Settings::write(Setting setting, const QString &text) const {
    ini_.writeString(kSection, keyOf(setting), text);
}

} // namespace lumo
