#pragma once
#include "spanbar_export.h"
#include <QWidget>

class SPANBAR_EXPORT Spanbar : public QWidget
{
    Q_OBJECT
public:
    explicit Spanbar(QWidget *parent = nullptr);
};
