#include "ModalDeadline.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The boxes and choosers of Qt's own that wait for the user's answer.
QDialog* WaitingForAnAnswer()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (qobject_cast<QMessageBox*>(modal) == nullptr && qobject_cast<QFileDialog*>(modal) == nullptr)
        return nullptr;
    return static_cast<QDialog*>(modal);
}

}  // namespace

void ModalDeadline::OnTestStart(const ::testing::TestInfo&)
{
    m_timer = std::make_unique<QTimer>();
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Check(); });
    m_timer->start(100);
}

void ModalDeadline::OnTestEnd(const ::testing::TestInfo&)
{
    m_timer.reset();
    m_waiting.clear();
}

void ModalDeadline::Check()
{
    QDialog* waiting = WaitingForAnAnswer();
    if (waiting != m_waiting) {
        m_waiting = waiting;
        m_deadline.setRemainingTime(MODAL_DEADLINE_MS);
        return;
    }
    if (waiting == nullptr || !m_deadline.hasExpired())
        return;
    ADD_FAILURE() << waiting->metaObject()->className() << " \"" << waiting->windowTitle().toStdString()
                  << "\" was left unanswered for " << MODAL_DEADLINE_MS << " ms and is closed";
    m_waiting.clear();
    waiting->reject();
}
