#include "widgets/ControlTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>

namespace lumo {

namespace {

QWidget *create(const ControlSpec &row, QWidget *parent, const QString &caption,
                const MakeControl &makeCustom) {
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::FittedLabel:
        return new QLabel(caption, parent);
    case ControlKind::Link: {
        // The palette's colour stays readable on a dark one too.
        auto *link = new QLabel(caption, parent);
        link->setForegroundRole(QPalette::Link);
        link->setCursor(Qt::PointingHandCursor);
        return link;
    }
    case ControlKind::LineEdit:
        return new QLineEdit(caption, parent);
    case ControlKind::ComboBox:
        return new QComboBox(parent);
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Frame:
        return new QFrame(parent);
    case ControlKind::TreeWidget:
        return new QTreeWidget(parent);
    case ControlKind::TextBrowser:
        return new QTextBrowser(parent);
    case ControlKind::TabWidget:
        return new QTabWidget(parent);
    case ControlKind::Page: {
        auto *tabs = qobject_cast<QTabWidget *>(parent);
        if (!tabs)
            qFatal("page %s outside a tab widget", row.name);
        auto *page = new QWidget;
        tabs->addTab(page, caption);
        return page;
    }
    case ControlKind::Custom:
        return makeCustom(row, parent, caption);
    }
    return nullptr;
}

} // namespace

void placeControls(QWidget *window, ControlTable table, const char *context, const MakeControl &makeCustom) {
    for (const ControlSpec &row : table) {
        QWidget *parent = row.parent ? placedControl(window, row.parent) : window;
        const QString caption = row.caption ? QCoreApplication::translate(context, row.caption) : QString();
        QWidget *control = create(row, parent, caption, makeCustom);
        control->setObjectName(QLatin1String(row.name));
        if (row.kind == ControlKind::FittedLabel) {
            control->move(row.rect.topLeft());
            control->adjustSize();
        } else if (row.kind != ControlKind::Page) {
            control->setGeometry(row.rect);
        }
        if (row.accessibleName)
            control->setAccessibleName(QCoreApplication::translate(context, row.accessibleName));
    }
    for (const ControlSpec &row : table) {
        if (!row.labels)
            continue;
        auto *label = placedControl<QLabel>(window, row.name);
        QWidget *field = placedControl(window, row.labels);
        label->setBuddy(field);
        if (field->accessibleName().isEmpty())
            field->setAccessibleName(spokenLabel(label->text()));
    }
}

QString spokenLabel(const QString &labelText) {
    QString spoken = QString(labelText).remove(QLatin1Char('&')).trimmed();
    while (spoken.endsWith(QLatin1Char(':')) || spoken.endsWith(QChar(0xff1a)))
        spoken.chop(1);
    return spoken.trimmed();
}

QWidget *placedControl(const QWidget *window, const char *name) {
    if (QWidget *control = window->findChild<QWidget *>(QLatin1String(name)))
        return control;
    qFatal("no control named %s in %s", name, qPrintable(window->objectName()));
}

} // namespace lumo
