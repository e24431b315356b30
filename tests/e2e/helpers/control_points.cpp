// Prints the centre of every control of every window, from the windows'
// tables, one "WINDOW CONTROL X Y" a line in the window's client area:
// tools/screenshots.sh clicks through it. A control of a group with a table
// of its own is named GROUP/CONTROL, as scriptList/addButton.

#include "app/AppControls.h"
#include "scripts/ScriptControls.h"
#include "singlepoint/SinglePointControls.h"
#include "steps/StepControls.h"
#include "timed/TimedControls.h"
#include "update/UpdateControls.h"

#include <cstdio>

using namespace lumo;

namespace {

void print(const char *window, ControlTable table, const char *group = "", QPoint origin = {}) {
    for (const ControlSpec &row : table) {
        const QPoint centre = controlCentre(table, row.name) + origin;
        std::printf("%s %s%s%s %d %d\n", window, group, *group ? "/" : "", row.name, centre.x(), centre.y());
    }
}

void printGroup(const char *window, ControlTable outer, const char *group, ControlTable table) {
    print(window, table, group, controlRect(outer, group).topLeft());
}

} // namespace

int main() {
    print("main", kMainWindowControls);
    printGroup("main", kMainWindowControls, "singlePoint", kSinglePointControls);
    printGroup("main", kMainWindowControls, "scriptList", kScriptListControls);
    printGroup("main", kMainWindowControls, "timedList", kTimedListControls);
    print("script-editor", kScriptEditorControls);
    printGroup("script-editor", kScriptEditorControls, "stepsGroupBox", kScriptStepListControls);
    print("timed-editor", kTimedEditorControls);
    printGroup("timed-editor", kTimedEditorControls, "stepsGroupBox", kTimedStepListControls);
    print("step-editor", kStepEditorControls);
    print("stop-hotkey", kStopHotkeyControls);
    print("about", kAboutControls);
    print("download", kUpdateDownloadControls);
    return 0;
}
