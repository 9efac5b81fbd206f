#pragma once
// An empty secondary window: created at start-up and never shown.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
