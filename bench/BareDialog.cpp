// The yardstick of the start-up benchmark: a plain QDialog with the configurator's 42
// widgets, of the same kinds, texts and list items, at the same places and in the same
// font, and nothing behind them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>

#include "DialogFont.h"

namespace {

enum class Kind { Button, CheckBox, GroupBox, Label, Edit, HiddenEdit, DropDown, DropList, ScrollBar, List };

struct Item {
    Kind kind;
    int x, y, cx, cy;  // dialog units
    const char* text;
};

// The main dialog's items in their order, as its template lays them out.
const Item ITEMS[] = {
    {Kind::DropDown, 69, 230, 85, 38, ""},
    {Kind::Button, 157, 230, 92, 13, "Reflash USB"},
    {Kind::Label, 14, 49, 74, 8, "Dead Band(0.2-51us ) "},
    {Kind::Edit, 101, 43, 46, 12, "3.2"},
    {Kind::Label, 162, 45, 38, 8, "Stretcher :"},
    {Kind::Label, 162, 67, 66, 8, "Boost( n x12.8us )"},
    {Kind::Edit, 233, 65, 49, 12, "156"},
    {Kind::Label, 15, 70, 69, 8, "Max. Duty(1-255)"},
    {Kind::Edit, 101, 65, 46, 12, "200"},
    {Kind::Label, 162, 90, 60, 8, "Pulse Upper( us )"},
    {Kind::Edit, 233, 86, 49, 12, "2000"},
    {Kind::Label, 16, 93, 58, 8, "Pulse Lower( us )"},
    {Kind::Edit, 101, 87, 46, 12, "1000"},
    {Kind::Label, 162, 113, 71, 8, "Right Range(-64+64)"},
    {Kind::Edit, 233, 109, 50, 12, "0"},
    {Kind::Label, 15, 114, 85, 8, "Left Range(-64-+64)"},
    {Kind::Edit, 101, 109, 46, 12, "0"},
    {Kind::Label, 162, 137, 69, 8, "Drive Frequency(Hz) :"},
    {Kind::HiddenEdit, 243, 183, 58, 12, "3276"},
    {Kind::Label, 16, 137, 68, 8, "Neutral(+_1000)"},
    {Kind::Edit, 101, 131, 55, 12, "0"},
    {Kind::GroupBox, 7, 29, 305, 173, "Servo Config"},
    {Kind::GroupBox, 7, 203, 305, 48, "Program"},
    {Kind::Button, 182, 213, 60, 13, "Write Config"},
    {Kind::Button, 75, 211, 60, 14, "Read Config"},
    {Kind::ScrollBar, 147, 87, 10, 13, ""},
    {Kind::ScrollBar, 146, 42, 10, 13, ""},
    {Kind::ScrollBar, 280, 86, 10, 13, ""},
    {Kind::ScrollBar, 281, 63, 10, 13, ""},
    {Kind::ScrollBar, 146, 65, 10, 13, ""},
    {Kind::DropList, 233, 42, 57, 43, "1 2 4 8 16 32"},
    {Kind::ScrollBar, 147, 109, 10, 13, ""},
    {Kind::ScrollBar, 281, 107, 10, 13, ""},
    {Kind::List, 7, 257, 305, 71, ""},
    {Kind::CheckBox, 18, 155, 59, 10, "Internal OSC"},
    {Kind::Button, 182, 183, 56, 14, "Reset Paramet"},
    {Kind::DropList, 233, 133, 48, 83,
     "19531 9766 6510 4883 3906 3255 2790 2441 2170 1953 1776 1628 1502 1395 1302 1221 1149 1085 1028 977 "
     "930 888 849 814 781 751 723 698 673 651 630 610 330"},
    {Kind::CheckBox, 18, 179, 59, 10, "100%PWM"},
    {Kind::CheckBox, 102, 154, 59, 10, "Inverter"},
    {Kind::CheckBox, 102, 178, 59, 10, "Narrow Band"},
    {Kind::Button, 7, 7, 50, 14, "Load"},
    {Kind::Button, 67, 7, 50, 14, "Save"},
};

const int DIALOG_WIDTH = 319;
const int DIALOG_HEIGHT = 335;

// Dialog units to pixels, rounded half away from zero.
int Scale(int units, int baseUnit, int divisor)
{
    return (units * baseUnit + divisor / 2) / divisor;
}

QWidget* CreateWidget(const Item& item, QDialog* dialog)
{
    QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
    case Kind::Button:
        return new QPushButton(text, dialog);
    case Kind::CheckBox:
        return new QCheckBox(text, dialog);
    case Kind::GroupBox: {
        auto* group = new QGroupBox(text, dialog);
        group->lower();
        return group;
    }
    case Kind::Label: {
        auto* label = new QLabel(text, dialog);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::Edit:
    case Kind::HiddenEdit: {
        auto* edit = new QLineEdit(text, dialog);
        edit->setVisible(item.kind == Kind::Edit);
        return edit;
    }
    case Kind::DropDown:
    case Kind::DropList: {
        auto* combo = new QComboBox(dialog);
        combo->setEditable(item.kind == Kind::DropDown);
        if (!text.isEmpty())
            combo->addItems(text.split(QLatin1Char(' ')));
        return combo;
    }
    case Kind::ScrollBar:
        return new QScrollBar(Qt::Vertical, dialog);
    case Kind::List: {
        auto* list = new QTreeWidget(dialog);
        list->setRootIsDecorated(false);
        list->setHeaderLabels({QStringLiteral("时间"), QStringLiteral("信息")});
        list->setColumnWidth(0, 60);
        list->setColumnWidth(1, 280);
        return list;
    }
    }
    return nullptr;
}

void Place(QWidget* widget, const Item& item, SIZE baseUnits)
{
    int left = Scale(item.x, baseUnits.cx, 4);
    int top = Scale(item.y, baseUnits.cy, 8);
    int width = Scale(item.x + item.cx, baseUnits.cx, 4) - left;
    int height = Scale(item.y + item.cy, baseUnits.cy, 8) - top;
    // A closed combo box is one line high.
    if (qobject_cast<QComboBox*>(widget) != nullptr)
        height = qMin(height, widget->sizeHint().height());
    widget->setGeometry(left, top, width, height);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    RegisterDialogFonts();
    QFont font = DialogFont(QStringLiteral("Tahoma"), 9, 700);
    SIZE baseUnits = BaseUnitsOf(font);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Quorvel"));
    dialog.setFont(font);
    dialog.setFixedSize(Scale(DIALOG_WIDTH, baseUnits.cx, 4), Scale(DIALOG_HEIGHT, baseUnits.cy, 8));
    for (const Item& item : ITEMS) {
        QWidget* widget = CreateWidget(item, &dialog);
        Place(widget, item, baseUnits);
    }
    dialog.show();
    return application.exec();
}
