// A deadline on every box and chooser that a test leaves open: one that has waited for
// an answer longer than MODAL_DEADLINE_MS fails the running test with a message naming
// it and is closed, so that the test's modal loop returns instead of waiting for ever.
#pragma once

#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

constexpr int MODAL_DEADLINE_MS = 20000;

class ModalDeadline : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override;
    void OnTestEnd(const ::testing::TestInfo&) override;

private:
    void Check();

    std::unique_ptr<QTimer> m_timer;
    QPointer<QDialog> m_waiting;
    QDeadlineTimer m_deadline;
};
