#include "storage/Settings.h"

namespace lumo {

namespace {

const QString kSection = QStringLiteral("setting");

struct KeyAndDefault {
    Setting setting;
    const char16_t *key;
    const char16_t *fallback;
};

// clang-format off
constexpr KeyAndDefault kKeys[] = {
    {Setting::MouseButton, u"btn1", u"左键"},
    {Setting::ClickKind, u"btn_type", u"单击"},
    {Setting::Speed, u"time", u"1"},
    {Setting::HotkeyModifier, u"hotkey1", u"Ctrl"},
    {Setting::HotkeyKey, u"hotkey2", u"F3"},
    {Setting::ClickLimit, u"click", u"100"},
    {Setting::FixedX, u"xpos", u"0"},
    {Setting::FixedY, u"ypos", u"0"},
    {Setting::Hold, u"hold", u"0"},
    {Setting::Jitter, u"jitter", u"0"},
    {Setting::StopHotkey, u"stophotkey", u"F6"},
    {Setting::FailSafe, u"failsafe", u"1"},
};
// clang-format on

const KeyAndDefault &keyAndDefault(Setting setting) {
    for (const KeyAndDefault &entry : kKeys)
        if (entry.setting == setting)
            return entry;
    qFatal("a setting without a key");
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
