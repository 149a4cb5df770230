#include "numeron.h"

Numeron::Numeron(QWidget *parent)
    : QWidget(parent)
{
}
