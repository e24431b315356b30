// The step list text: cutting it into entries and fields, and filling the
// step list view from it and writing the view back as text.

#include "FuzzSupport.h"
#include "steps/StepListText.h"

#include <QApplication>
#include <QTreeWidget>

using namespace lumo;
using namespace lumo::fuzz;

namespace {

QTreeWidget *view = nullptr;

} // namespace

// Font configuration loaded for the view is kept by the library for good.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // kept for the whole run
    view = new QTreeWidget;
    view->setColumnCount(3);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = textOf(data, size);

    // Cutting and joining again gives the text back.
    const QStringList pieces = splitText(text, QLatin1Char('|'));
    if (text.isEmpty())
        check(pieces.isEmpty(), "an empty text has no pieces");
    else
        check(pieces.join(QLatin1Char('|')) == text && pieces.size() == text.count(QLatin1Char('|')) + 1,
              "pieces join back to the text", text);

    // The entries are everything up to the last "|", field by field.
    const QList<QStringList> entries = stepEntries(text);
    QString rejoined;
    for (const QStringList &fields : entries)
        rejoined += fields.join(QLatin1Char(',')) + QLatin1Char('|');
    check(rejoined == text.left(text.lastIndexOf(QLatin1Char('|')) + 1), "entries join back to the text",
          text);

    // Filling the view keeps the four fields of every entry up to the first
    // short one, and the view reads back as those fields.
    const bool filled = fillStepList(*view, text);
    QString expected;
    bool complete = true;
    for (const QStringList &fields : entries) {
        if (fields.size() < 4) {
            complete = false;
            break;
        }
        expected += fields.mid(0, 4).join(QLatin1Char(',')) + QLatin1Char('|');
    }
    check(filled == complete, "fill reports a short entry", text);
    check(encodeStepList(*view) == expected, "the view reads back as the entries", text);
    return 0;
}
