// The keyboard in every window (its mnemonics are in the window texts): Tab in the custom code,
// the difference window closes as windows do and scrolls both sides, the viewer's search answers.
#include "WindowFixture.h"

#include "app/controls/CustomCodeEdit.h"
#include "app/preview/ModuleDiff.h"
#include "app/preview/OverwriteDialog.h"
#include "app/viewer/CodeViewer.h"

namespace {

// The offscreen platform leaves the first window active; a real window manager activates the
// window that asked for it.
void activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QVERIFY(QApplication::activeWindow() == window);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // Tab goes on to the next field as everywhere in the window; Ctrl+Tab types a tab.
    void tabLeavesTheCustomCode() {
        WindowFixture f;
        f.showActive();
        CustomCodeEdit* custom = f.window->txt_Custom;
        custom->setFocus();
        QTest::keyClick(custom, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(custom->toPlainText(), u"\t"_s);
        QTest::keyClick(custom, Qt::Key_Tab);
        QCOMPARE(custom->toPlainText(), u"\t"_s);
        QVERIFY(!custom->hasFocus());
    }
    void differenceWindowClosesLikeAWindow_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(QKeySequence::Close);
    }
    // On the screen whole, with a word on what differs.
    void differenceWindowClosesLikeAWindow() {
        QFETCH(QKeySequence, keys);
        WindowFixture f;
        f.showActive();
        // Near the screen's corner: centred on the window, the difference would stand over it.
        f.window->move(f.window->screen()->availableGeometry().bottomRight() - QPoint(60, 40));
        ModuleDiff diff(f.window.get());
        diff.showDiff(u"m.cls"_s, u"a\r\nb"_s, u"a\r\nc"_s);
        activate(&diff);
        QVERIFY(diff.screen()->availableGeometry().contains(diff.frameGeometry()));
        QCOMPARE(diff.size(), QSize(720, 600)); // 900×600, at most nine tenths of the screen
        QCOMPARE(diff.view()->summary(), u"1 Zeile nur links (rot), 1 Zeile nur rechts (grün)"_s);
        const QPoint moved = diff.pos() - QPoint(30, 20); // by the user; a new diff keeps it
        diff.move(moved);
        diff.showDiff(u"m.cls"_s, u"a\r\nb"_s, u"a\r\nd"_s);
        QCOMPARE(diff.pos(), moved);
        QTest::keySequence(&diff, keys);
        QVERIFY(!diff.isVisible());
        // Shown again with room around its window: placed anew, over the window's middle.
        f.window->move(f.window->screen()->availableGeometry().center() -
                       f.window->rect().center());
        diff.showDiff(u"m.cls"_s, u"a"_s, u"a"_s);
        QVERIFY((diff.frameGeometry().center() - f.window->frameGeometry().center())
                    .manhattanLength() <= 2);
        QCOMPARE(diff.view()->summary(), u"Keine Unterschiede: beide Seiten sind gleich."_s);
    }
    // Side by side, which the next difference window keeps, the first change is in view and
    // Page Down in one side scrolls both.
    void sidesScrollTogetherFromTheFirstChange() {
        WindowFixture f;
        f.showActive();
        ModuleDiff diff(f.window.get());
        QStringList old;
        for (int i = 0; i < 300; ++i)
            old.append(QString::number(i));
        QStringList changed = old;
        changed[200] = u"neu"_s;
        diff.findChild<QCheckBox*>()->click();
        QCoreApplication::processEvents(); // side by side before the texts come
        diff.showDiff(u"m.cls"_s, old.join("\r\n"), changed.join("\r\n"));
        activate(&diff);
        auto* left = diff.findChild<QPlainTextEdit*>(u"txt_DiffOld"_s)->verticalScrollBar();
        auto* right = diff.findChild<QPlainTextEdit*>(u"txt_DiffNew"_s)->verticalScrollBar();
        // The changed line stands in the middle of the view, not at its edge.
        auto* newSide = diff.findChild<QPlainTextEdit*>(u"txt_DiffNew"_s);
        QTRY_VERIFY(qAbs(newSide->cursorRect().center().y() - newSide->viewport()->height() / 2) <
                    2 * newSide->fontMetrics().height());
        QVERIFY(left->value() > 150 && left->value() < 200);
        QCOMPARE(right->value(), left->value());
        QTest::keyClick(diff.findChild<QPlainTextEdit*>(u"txt_DiffNew"_s), Qt::Key_PageDown);
        QVERIFY(right->value() > 200);
        QCOMPARE(left->value(), right->value());
        ModuleDiff next;
        QVERIFY(next.findChild<QCheckBox*>()->isChecked());
        next.findChild<QCheckBox*>()->click(); // as before the test
    }
    void viewerSearchSaysWhatItFound() {
        WindowFixture f;
        f.showActive();
        CodeViewer viewer(f.window.get());
        viewer.showModule(u"Klassenmodul"_s, u"Dim a\r\nDim b"_s);
        activate(&viewer);
        QVERIFY(viewer.height() > 600); // a page of code, not the size Qt would give it
        auto* find = viewer.findChild<QLineEdit*>(u"txt_Find"_s);
        QTest::keySequence(&viewer, QKeySequence::Find);
        QVERIFY(find->hasFocus());
        QTest::keyClicks(find, u"Dim"_s);
        QTest::keyClick(find, Qt::Key_Return);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(viewer.findState(), QString());
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(viewer.findState(), u"Vom Anfang an weitergesucht"_s);
        find->selectAll();
        QTest::keyClicks(find, u"Sub"_s);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(viewer.findState(), u"„Sub“ nicht gefunden"_s);
        QTest::keyClick(find, Qt::Key_Escape); // the search closes, the code has the keys
        QVERIFY(!find->isVisible() && viewer.isVisible());
        QVERIFY(viewer.findChild<QPlainTextEdit*>()->hasFocus());
        QTest::keyClick(viewer.findChild<QPlainTextEdit*>(), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }
};

CLASSSHAPER_TEST(KeyboardTest);
#include "tst_keyboard.moc"
