#include "gui/TxpButton.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

class XpButtonWidgetTest : public ::testing::Test {
protected:
    XpButtonWidgetTest() {
        dialog.resize(300, 200);
        edit = new QLineEdit(&dialog);
        edit->setGeometry(10, 10, 100, 20);
        button = new TxpButton(&dialog);
        button->move(10, 50);
        button->setCaption(u"&OK"_qs);
        dialog.show();
        edit->setFocus();
    }

    QDialog dialog;
    QLineEdit* edit;
    TxpButton* button;
};

TEST_F(XpButtonWidgetTest, NewButtonIsSeventyFiveByTwentyFive) {
    EXPECT_EQ(button->size(), QSize(75, 25));
}

TEST_F(XpButtonWidgetTest, LeftClickClicksRightDoesNot) {
    QSignalSpy spy(button, &TxpButton::clicked);
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(XpButtonWidgetTest, ReleaseOutsideStillClicks) {
    QSignalSpy spy(button, &TxpButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button->state().FDowned);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(spy.count(), 1);
}

void send(QWidget* widget, QEvent::Type type) {
    const QPointF at(10, 10);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(widget, &event);
}

TEST_F(XpButtonWidgetTest, DoubleClickGivesTwoClicks) {
    QSignalSpy spy(button, &TxpButton::clicked);
    // The events of a double click, as the window system sends them.
    send(button, QEvent::MouseButtonPress);
    send(button, QEvent::MouseButtonRelease);
    send(button, QEvent::MouseButtonDblClick);
    send(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(XpButtonWidgetTest, ModalResultClosesDialog) {
    button->setModalResult(QDialog::Accepted);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(XpButtonWidgetTest, AcceleratorNeedsAltInTextBox) {
    QSignalSpy spy(button, &TxpButton::clicked);
    QTest::keyClick(edit, Qt::Key_O);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(edit->text(), u"o"_qs);
    QTest::keyClick(edit, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(XpButtonWidgetTest, EscapeClicksCancelButton) {
    QSignalSpy spy(button, &TxpButton::clicked);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(spy.count(), 0);
    dialog.show();
    button->setCancel(true);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(XpButtonWidgetTest, SpaceOnFocusedButtonClicksOnRelease) {
    QSignalSpy spy(button, &TxpButton::clicked);
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->state().FDowned);
    EXPECT_EQ(spy.count(), 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(spy.count(), 1);
}

} // namespace
