// What a user does with the screen's file chooser, for the tests: wait for it (or a
// question it asks) to show, type a name into its name field and press Enter.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Once a modal widget of type T shows, the action gets it; until then it is awaited.
template <typename T>
void WhenShown(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (widget == nullptr || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(widget);
    });
    timer->start(10);
}

// The field that the "File name:" label names, as a screen reader finds it.
inline QLineEdit* NameFieldOf(QFileDialog* chooser)
{
    for (const QLabel* label : chooser->findChildren<QLabel*>()) {
        if (label->text() == chooser->labelText(QFileDialog::FileName))
            return qobject_cast<QLineEdit*>(label->buddy());
    }
    return nullptr;
}

// Typed a character at a time, as keys carrying their text. A chooser that never
// takes the keyboard fails the test and is cancelled rather than left waiting.
inline void TypeAndEnter(QFileDialog* chooser, const QString& name)
{
    QLineEdit* field = NameFieldOf(chooser);
    // The chooser follows the typing only in a field that has the keyboard.
    if (field == nullptr || !QTest::qWaitFor([chooser] { return chooser->isActiveWindow(); })) {
        ADD_FAILURE() << "the chooser did not take the keyboard";
        chooser->reject();
        return;
    }
    field->setFocus();
    for (char32_t c : name.toUcs4())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    // The name is complete: a completion offered for it is not what the user wants.
    if (field->completer() != nullptr)
        field->completer()->popup()->hide();
    QTest::keyClick(field, Qt::Key_Return);
}
