// The program's only window: a warning and the button that ends every Excel.
#pragma once

#include "forms/Form.h"

class frmMain : public forms::Form {
public:
    frmMain();

private:
    void Form_Load() override;
    void Click(int controlId) override;
    void cmdDoIt_Click();
};
