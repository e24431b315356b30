// The scripts the update page runs, cut out of the page's HTML.

#include "FuzzSupport.h"
#include "update/PageScripts.h"

#include <QRegularExpression>

using namespace lumo;
using namespace lumo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString html = textOf(data, size);
    const QStringList scripts = inlineScripts(html);

    check(scripts.size() <= html.count(QLatin1String("<script"), Qt::CaseInsensitive),
          "no more scripts than script tags", html);
    static const QRegularExpression end(QStringLiteral("</script\\s*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const QString &script : scripts)
        check(!script.contains(end), "a script ends at its first end tag", script);
    return 0;
}
