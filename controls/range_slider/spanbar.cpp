#include "spanbar.h"

Spanbar::Spanbar(QWidget *parent)
    : QWidget(parent)
{
}
