// What a user does with the screen's file chooser, for the tests: wait for it (or a
// question it asks) to show, type a name into its name field and press Enter. Every
// wait has a deadline and fails the test with a message when it passes.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "ModalDeadline.h"

// The modal widget of type T that shows, if one does.
template <typename T>
T* ShownModal()
{
    auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
    return widget != nullptr && widget->isVisible() ? widget : nullptr;
}

// Once a modal widget of type T shows, the action gets it. It is awaited until the
// deadline; then the wait fails the test and gives up.
template <typename T>
void WhenShown(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action, deadline = QDeadlineTimer(MODAL_DEADLINE_MS)] {
        T* widget = ShownModal<T>();
        if (widget == nullptr && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (widget == nullptr)
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " showed within " << MODAL_DEADLINE_MS
                          << " ms";
        else
            action(widget);
    });
    timer->start(10);
}

// Every modal widget of type T that shows while owner lives gets the action, which
// must close it: a second one is answered as the first was, and none waits unanswered.
template <typename T>
void AnswerEach(QObject* owner, std::function<void(T*)> action)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [action] {
        if (T* widget = ShownModal<T>())
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

// The name field's text is replaced by the name, typed a character at a time as keys
// carrying their text. A chooser that never takes the keyboard fails the test and is
// cancelled rather than left waiting.
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
    // Emptied only now: while the field is without the keyboard, the chooser writes the
    // names of the files it selects into it, and a folder read late selects them late.
    field->clear();
    for (char32_t c : name.toUcs4())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    // The name is complete: a completion offered for it is not what the user wants.
    if (field->completer() != nullptr)
        field->completer()->popup()->hide();
    // The chooser may put a name of its own into the field, one it selected meanwhile.
    if (field->text() != name) {
        ADD_FAILURE() << "the name field holds \"" << field->text().toStdString() << "\", not the typed \""
                      << name.toStdString() << '"';
        chooser->reject();
        return;
    }
    QTest::keyClick(field, Qt::Key_Return);
}
