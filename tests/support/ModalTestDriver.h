// A headless driver whose modal loop first runs the test's own steps, with the dialog
// open, and then plays the script as the headless driver does (closing the dialog when
// the script is empty).
#pragma once

#include <functional>

#include "HeadlessDriver.h"

class ModalTestDriver : public HeadlessDriver {
public:
    std::function<void(HWND hDlg)> m_whileOpen;

    void RunModalLoop(HWND hDlg) override;
};
