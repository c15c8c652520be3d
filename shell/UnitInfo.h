#pragma once
// The information screen: the screen settings the program is laid out for.

#include "platform/Form.h"

class TFormInfo : public TForm {
public:
    TFormInfo();

    TPanel* PanelInfo;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TStatusBar* StatusBar1;
    TMenuItem* Ende1;
    TMenuItem* ESC1;

    void FormCreate() override;
    void Ende1Click();
    void ESC1Click();
};

extern TFormInfo* FormInfo;
