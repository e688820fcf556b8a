// What each window says: captions, mnemonics, shortcuts, tooltips, column heads and titles,
// as the user reads them, against tests/data/texts/<window>.txt. A text changed on purpose is
// taken over with CLASSSHAPER_UPDATE_GOLDEN=1 ctest --test-dir build -R test_app; read the diff.
#include "WindowFixture.h"

#include "app/preview/ModuleDiff.h"
#include "app/preview/OverwriteDialog.h"
#include "app/viewer/CodeViewer.h"

namespace {

QString withTip(QString line, const QString& tip) {
    return tip.isEmpty() ? line : line + u"  ["_s + tip + u']';
}

QString actionLine(const QAction* action) {
    QString line = u"Befehl %1"_s.arg(action->text());
    if (!action->shortcuts().isEmpty()) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys.append(key.toString(QKeySequence::PortableText));
        line += u" (%1)"_s.arg(keys.join(u", "_s));
    }
    return withTip(line, action->statusTip());
}

// A menu's entries in order, "-" and its name for a separator; the recent files are left out.
QString entries(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts.append(action->isSeparator() ? u"-"_s + action->objectName() : action->text());
    return menu.objectName() == "mnu_FileRecent"_L1 ? QString() : texts.join(" | ");
}

// A view's lines, each with the background its extra selection gives it ("#rrggbb") or none;
// "~" marks a background that covers the text alone instead of the whole line.
QStringList viewLines(const QPlainTextEdit& view) {
    QHash<int, QString> marks;
    for (const QTextEdit::ExtraSelection& selection : view.extraSelections())
        marks[selection.cursor.blockNumber()] =
            selection.format.background().color().name() +
            (selection.format.boolProperty(QTextFormat::FullWidthSelection) ? "" : "~");
    QStringList lines;
    for (QTextBlock block = view.document()->firstBlock(); block.isValid(); block = block.next())
        lines.append(u"  %1 %2"_s.arg(marks.value(block.blockNumber()), -7).arg(block.text()));
    return lines;
}

// The widgets Tab visits, in order, by name.
QString tabOrder(const QWidget& window) {
    QStringList names;
    for (QWidget* next = window.nextInFocusChain(); next && next != &window;
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().isEmpty() &&
            !next->objectName().startsWith("qt_"_L1))
            names.append(next->objectName());
    return u"Tab %1"_s.arg(names.join(u' '));
}

// The layouts the windows build; Qt's own widgets have others inside.
const QList<QByteArray> kOwnLayouts{"QVBoxLayout", "QHBoxLayout", "QGridLayout", "QFormLayout"};

// Margins, spacing and each part's stretch: the room a layout gives its parts.
// A layout's parts in its order, each with its grid cell or form row: a part by its name or
// class, "[…]" a nested layout, "~" a stretch.
QString layoutParts(const QLayout& layout) {
    QStringList parts;
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        const QWidget* widget = item->widget();
        QString part = widget ? (widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                                : widget->objectName())
                       : item->layout() ? u"[…]"_s
                                        : u"~"_s;
        int row = 0, column = 0, rows = 0, columns = 0;
        QFormLayout::ItemRole role{};
        if (const auto* grid = qobject_cast<const QGridLayout*>(&layout)) {
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            part += u"@%1,%2+%3,%4"_s.arg(row).arg(column).arg(rows).arg(columns);
        } else if (const auto* form = qobject_cast<const QFormLayout*>(&layout)) {
            form->getItemPosition(i, &row, &role);
            part += u"@%1,%2"_s.arg(row).arg(int(role));
        }
        parts.append(part);
    }
    return parts.join(u' ');
}

QString layoutLine(const QLayout& layout) {
    const QMargins m = layout.contentsMargins();
    QStringList stretch;
    if (const auto* box = qobject_cast<const QBoxLayout*>(&layout))
        for (int i = 0; i < box->count(); ++i)
            stretch.append(QString::number(box->stretch(i)));
    else if (const auto* grid = qobject_cast<const QGridLayout*>(&layout)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            stretch.append(u"Zeile %1"_s.arg(grid->rowStretch(row)));
        for (int column = 0; column < grid->columnCount(); ++column)
            stretch.append(u"Spalte %1"_s.arg(grid->columnStretch(column)));
    }
    return u"Anordnung %1 Ränder %2 %3 %4 %5 Abstand %6 Dehnung %7: %8"_s
        .arg(QString::fromLatin1(layout.metaObject()->className()))
        .arg(m.left())
        .arg(m.top())
        .arg(m.right())
        .arg(m.bottom())
        .arg(layout.spacing())
        .arg(stretch.join(u' '), layoutParts(layout));
}

// A plain instance of the first of Classes that is `meta`, for the settings a part changes.
template <class... Classes> std::unique_ptr<QObject> plainInstance(const QMetaObject* meta) {
    std::unique_ptr<QObject> plain;
    ((plain = plain || meta != &Classes::staticMetaObject ? std::move(plain)
                                                          : std::make_unique<Classes>()),
     ...);
    return plain;
}

// What a part shows or does other than Qt's default: its settings (flags, numbers, choices)
// that differ from a plain instance of its Qt class; geometry, state and texts listed elsewhere
// are left out.
QString settings(const QObject& part) {
    static const QList<QByteArray> kLeftOut =
        QByteArray("objectName windowTitle text title toolTip statusTip plainText visible focus "
                   "checked x y width height currentIndex currentText currentRow count "
                   "cursorPosition modified displayText isActiveWindow frameWidth documentTitle "
                   "placeholderText windowModified undoRedoEnabled iconText")
            .split(' ');
    // A window's from its layout and the font.
    static const QSet<QByteArray> kWindowSizes{"minimumWidth", "minimumHeight", "maximumWidth",
                                               "maximumHeight"};
    const QMetaObject* meta = part.metaObject();
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    const std::unique_ptr<QObject> plain =
        plainInstance<QAction, QCheckBox, QComboBox, QDialog, QDialogButtonBox, QDockWidget, QFrame,
                      QGroupBox, QLabel, QLineEdit, QListWidget, QMainWindow, QPlainTextEdit,
                      QPushButton, QSplitter, QStackedWidget, QTreeWidget, QWidget>(meta);
    QStringList changed;
    for (int i = 0; plain && i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(&part);
        const int type = value.metaType().id();
        if (kLeftOut.contains(property.name()) || value == property.read(plain.get()) ||
            (part.isWidgetType() && static_cast<const QWidget&>(part).isWindow() &&
             kWindowSizes.contains(property.name())) ||
            !(property.isEnumType() || type == QMetaType::Bool || type == QMetaType::Int ||
              type == QMetaType::QString || type == QMetaType::QSizePolicy))
            continue;
        const QSizePolicy policy = value.value<QSizePolicy>();
        const QString shown =
            type == QMetaType::QSizePolicy
                ? u"%1/%2 Dehnung %3/%4"_s
                      .arg(QMetaEnum::fromType<QSizePolicy::Policy>().valueToKey(
                               policy.horizontalPolicy()),
                           QMetaEnum::fromType<QSizePolicy::Policy>().valueToKey(
                               policy.verticalPolicy()))
                      .arg(policy.horizontalStretch())
                      .arg(policy.verticalStretch())
            : property.isFlagType() ? property.enumerator().valueToKeys(value.toInt())
            : property.isEnumType()
                ? QString::fromLatin1(property.enumerator().valueToKey(value.toInt()))
                : value.toString();
        changed.append(u"%1=%2"_s.arg(QLatin1String(property.name()), shown));
    }
    const auto* widget = qobject_cast<const QWidget*>(&part);
    if (widget && plain && widget->font() != static_cast<const QWidget*>(plain.get())->font())
        changed.append(u"Schrift=eigene"_s);
    if (widget && !widget->isWindow() && !widget->isVisibleTo(widget->parentWidget()))
        changed.prepend(u"verborgen"_s);
    return changed.isEmpty() ? QString() : u"Einstellung "_s + changed.join(u' ');
}

// Parts that Qt's own controls make for themselves: scroll bars, a combo box's line edit, a
// view's header.
bool insideAQtControl(const QObject& part) {
    for (const QObject* outer = part.parent(); outer && outer->isWidgetType();
         outer = outer->parent())
        if (outer->objectName().startsWith("qt_"_L1) || qobject_cast<const QComboBox*>(outer) ||
            qobject_cast<const QLineEdit*>(outer) ||
            qobject_cast<const QAbstractItemView*>(outer) || qobject_cast<const QStatusBar*>(outer))
            return true;
    return false;
}

QString named(const QObject* part, const QString& line) {
    return part->objectName().isEmpty() ? line : part->objectName() + u' ' + line;
}

// The mnemonic keys of what one window or one menu offers, each with its caption.
using Mnemonics = QMultiMap<QKeySequence, QString>;

void note(Mnemonics& keys, const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty())
        keys.insert(key, caption);
}

// Labels with a field to go to, buttons and check boxes, panel titles and the menu bar of the
// window itself (a dialog of its own is a window of its own).
Mnemonics windowMnemonics(const QWidget& window) {
    Mnemonics keys;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            note(keys, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            note(keys, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            note(keys, box->title());
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* action : bar->actions())
                note(keys, action->text());
    }
    return keys;
}

QStringList clashes(const Mnemonics& keys, const QString& where) {
    QStringList found;
    for (const QKeySequence& key : keys.uniqueKeys())
        if (keys.count(key) > 1)
            found.append(u"%1: %2 bei %3"_s.arg(where, key.toString(),
                                                QStringList(keys.values(key)).join(", ")));
    return found;
}

// The window's own mnemonics, then those of each of its menus.
QStringList clashesOf(const QWidget& window) {
    QStringList found = clashes(windowMnemonics(window), window.objectName());
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        Mnemonics entries;
        for (QAction* action : menu->actions())
            note(entries, action->text());
        found += clashes(entries, menu->objectName());
    }
    return found;
}

// One line per text a user can read, in the order the window holds its parts, with the part's
// name; the views' texts when `contents`. The recent files' entries depend on earlier tests and
// are left out.
QStringList textsOf(const QWidget& window, bool contents = false) {
    QStringList lines{named(&window, u"Fenster %1"_s.arg(window.windowTitle())), tabOrder(window),
                      settings(window)};
    for (const QObject* part : window.findChildren<QObject*>()) {
        if ((part->parent() && part->parent()->objectName() == "mnu_FileRecent"_L1) ||
            insideAQtControl(*part))
            continue;
        if (const auto* menu = qobject_cast<const QMenu*>(part))
            lines.append(named(part, u"Menü %1: %2"_s.arg(menu->title(), entries(*menu))));
        else if (const auto* action = qobject_cast<const QAction*>(part);
                 action && !action->isSeparator() && !action->text().isEmpty() && !action->menu())
            lines.append(named(part, actionLine(action)));
        else if (const auto* label = qobject_cast<const QLabel*>(part))
            lines.append(named(part, withTip(u"Text "_s + label->text(), label->toolTip())));
        else if (const auto* button = qobject_cast<const QAbstractButton*>(part);
                 button && !button->text().isEmpty())
            lines.append(
                named(part, withTip(u"Knopf %1"_s.arg(button->text()), button->toolTip())));
        else if (const auto* group = qobject_cast<const QGroupBox*>(part))
            lines.append(named(part, u"Gruppe %1"_s.arg(group->title())));
        else if (const auto* dock = qobject_cast<const QDockWidget*>(part))
            lines.append(named(part, u"Leiste %1"_s.arg(dock->windowTitle())));
        else if (const auto* tree = qobject_cast<const QTreeWidget*>(part)) {
            QStringList heads;
            for (int column = 0; column < tree->columnCount(); ++column)
                heads.append(tree->headerItem()->text(column));
            lines.append(named(part, u"Spalten %1"_s.arg(heads.join(" | "))));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(part)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items.append(combo->itemText(i));
            lines.append(named(part, u"Auswahl %1"_s.arg(items.join(" | "))));
        } else if (const auto* view = qobject_cast<const QPlainTextEdit*>(part)) {
            lines.append(named(part, u"Ansicht"_s));
            if (contents)
                lines += viewLines(*view);
        } else if (const auto* widget = qobject_cast<const QWidget*>(part);
                   widget && !widget->objectName().isEmpty() &&
                   !widget->objectName().startsWith("qt_"_L1))
            lines.append(named(part, withTip(QString::fromLatin1(part->metaObject()->className()),
                                             widget->toolTip())));
        else if (const auto* layout = qobject_cast<const QLayout*>(part);
                 layout && kOwnLayouts.contains(layout->metaObject()->className()))
            lines.append(layoutLine(*layout));
        if (!part->objectName().startsWith("qt_"_L1) && !insideAQtControl(*part) &&
            !settings(*part).isEmpty())
            lines.append(named(part, settings(*part)));
    }
    const QStringList clashing = clashesOf(window);
    lines.append(
        u"Tasten doppelt: %1"_s.arg(clashing.isEmpty() ? u"keine"_s : clashing.join("; ")));
    return lines;
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowSaysWhatItShould() {
        WindowFixture f;
        compareWithGolden(textsOf(*f.window), "texts/main-window.txt");
        frm_Member member(f.app, makeMember(u"Name"_s), f.window.get());
        compareWithGolden(textsOf(member), "texts/member-dialog.txt");
        CodeViewer viewer;
        compareWithGolden(textsOf(viewer), "texts/code-viewer.txt");
        ModuleDiff diff;
        diff.showDiff(u"m.cls"_s, u"A\r\nB\r\nD\r\nE\r\n"_s, u"A\r\nC\r\nE\r\nF\r\n"_s);
        QStringList both = textsOf(diff, true);
        diff.findChild<QCheckBox*>()->click(); // side by side
        both += textsOf(diff, true);
        diff.findChild<QCheckBox*>()->click();
        compareWithGolden(both, "texts/module-diff.txt");
        OverwriteDialog question(u"m.cls"_s, u"A\r\n"_s, u"B\r\n"_s);
        compareWithGolden(textsOf(question), "texts/overwrite-question.txt");
        QCOMPARE(question.size(), QSize(1000, 650)); // room for both texts side by side
        question.findChild<QPushButton*>("but_Overwrite")->click();
        QCOMPARE(question.result(), QDialog::Accepted);
    }
};
CLASSSHAPER_TEST(TextsTest);

#include "tst_texts.moc"
