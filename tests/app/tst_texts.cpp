// What each window says: captions, mnemonics, shortcuts, tooltips, column heads and titles,
// as the user reads them, against tests/data/texts/<window>.txt. A text changed on purpose is
// taken over with CLASSSHAPER_UPDATE_GOLDEN=1 ctest --test-dir build -R test_app; read the diff.
#include "WindowFixture.h"

#include "app/preview/ModuleDiff.h"
#include "app/viewer/CodeViewer.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace {

QString withTip(QString line, const QString& tip) {
    return tip.isEmpty() ? line : line + QStringLiteral("  [") + tip + QLatin1Char(']');
}

QString actionLine(const QAction* action) {
    QString line = QStringLiteral("Befehl %1").arg(action->text());
    if (!action->shortcuts().isEmpty()) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys.append(key.toString(QKeySequence::PortableText));
        line += QStringLiteral(" (%1)").arg(keys.join(QStringLiteral(", ")));
    }
    if (action->isCheckable())
        line += QStringLiteral(" ☐");
    return withTip(line, action->statusTip());
}

// One line per text a user can read, in the order the window holds its parts. The recent
// files' entries depend on earlier tests and are left out.
QStringList textsOf(const QWidget& window) {
    QStringList lines{QStringLiteral("Fenster %1").arg(window.windowTitle())};
    for (const QObject* part : window.findChildren<QObject*>()) {
        if (part->parent() && part->parent()->objectName() == QLatin1String("mnu_FileRecent"))
            continue;
        if (const auto* menu = qobject_cast<const QMenu*>(part))
            lines.append(QStringLiteral("Menü %1").arg(menu->title()));
        else if (const auto* action = qobject_cast<const QAction*>(part);
                 action && !action->isSeparator() && !action->text().isEmpty() && !action->menu())
            lines.append(actionLine(action));
        else if (const auto* label = qobject_cast<const QLabel*>(part))
            lines.append(withTip(QStringLiteral("Text %1").arg(label->text()), label->toolTip()));
        else if (const auto* button = qobject_cast<const QAbstractButton*>(part);
                 button && !button->text().isEmpty())
            lines.append(
                withTip(QStringLiteral("Knopf %1").arg(button->text()), button->toolTip()));
        else if (const auto* group = qobject_cast<const QGroupBox*>(part))
            lines.append(QStringLiteral("Gruppe %1").arg(group->title()));
        else if (const auto* dock = qobject_cast<const QDockWidget*>(part))
            lines.append(QStringLiteral("Leiste %1").arg(dock->windowTitle()));
        else if (const auto* tree = qobject_cast<const QTreeWidget*>(part)) {
            QStringList heads;
            for (int column = 0; column < tree->columnCount(); ++column)
                heads.append(tree->headerItem()->text(column));
            lines.append(QStringLiteral("Spalten %1").arg(heads.join(QStringLiteral(" | "))));
        } else if (const auto* field = qobject_cast<const QWidget*>(part);
                   field && !field->toolTip().isEmpty())
            lines.append(
                withTip(QStringLiteral("Feld %1").arg(part->objectName()), field->toolTip()));
    }
    return lines;
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowSaysWhatItShould() {
        WindowFixture f;
        compareWithGolden(textsOf(*f.window), "texts/main-window.txt");
        frm_Member member(f.app, makeMember(QStringLiteral("Name")), f.window.get());
        compareWithGolden(textsOf(member), "texts/member-dialog.txt");
        CodeViewer viewer;
        compareWithGolden(textsOf(viewer), "texts/code-viewer.txt");
        ModuleDiff diff;
        diff.showDiff(QStringLiteral("m.cls"), QStringLiteral("A\r\nB\r\n"),
                      QStringLiteral("A\r\nC\r\n"));
        compareWithGolden(textsOf(diff), "texts/module-diff.txt");
    }
};
CLASSSHAPER_TEST(TextsTest);

#include "tst_texts.moc"
