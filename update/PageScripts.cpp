#include "update/PageScripts.h"

#include <QRegularExpression>

namespace lumo {

QStringList inlineScripts(QString html) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression script(QStringLiteral("<script\\b([^>]*)>(.*?)</script\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression source(QStringLiteral("\\bsrc\\s*="),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression type(QStringLiteral("\\btype\\s*=\\s*[\"']?([^\"'\\s>]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    // A comment ends what comes before it: removed outright, "<S<!-- -->CRIPT>"
    // would join into a script tag that no browser sees.
    html.replace(comment, QStringLiteral(" "));
    QStringList scripts;
    for (const QRegularExpressionMatch &match : script.globalMatch(html)) {
        const QString attributes = match.captured(1);
        if (attributes.contains(source))
            continue;
        const QString kind = type.match(attributes).captured(1).toLower();
        if (!kind.isEmpty() && !kind.contains(QLatin1String("javascript")) && kind != QLatin1String("module"))
            continue;
        scripts.append(match.captured(2));
    }
    return scripts;
}

} // namespace lumo
