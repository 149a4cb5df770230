#pragma once
#include "numeron_export.h"
#include <QWidget>

class NUMERON_EXPORT Numeron : public QWidget
{
    Q_OBJECT
public:
    explicit Numeron(QWidget *parent = nullptr);
};
