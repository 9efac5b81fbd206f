#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMetaObject>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace tarvendi::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer)
    : answer_(answer) {
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
    timer_.start(5);
}

void BoxAnswerer::poll() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    texts << box->text();
    titles << box->windowTitle();
    icons << box->icon();
    QAbstractButton *button = box->button(answer_);
    if (!button)
        button = box->buttons().value(0);
    button->click();
}

DialogAnswerer::DialogAnswerer(std::function<void(QDialog *)> answer)
    : answer_(std::move(answer)) {
    connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::poll);
    timer_.start(5);
}

void DialogAnswerer::poll() {
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || qobject_cast<QMessageBox *>(dialog))
        return;
    ++answered;
    answer_(dialog);
}

std::unique_ptr<ApplicationWindows> start_windows() {
    auto windows = std::make_unique<ApplicationWindows>();
    windows->Form1.show();
    return windows;
}

QStringList names_in(const TempFolder &dir) {
    QStringList names;
    for (const std::string &name : dir.names())
        names << QString::fromStdString(name);
    return names;
}

QStringList texts_of(const QAbstractItemView *view) {
    QStringList out;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data(Qt::DisplayRole).toString();
    return out;
}

QList<int> checks_of(const QAbstractItemView *view) {
    QList<int> out;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data(Qt::CheckStateRole).toInt();
    return out;
}

void click_row(QAbstractItemView *view, int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(index).center());
}

void select_rows(QAbstractItemView *view, const QList<int> &rows) {
    if (rows.isEmpty()) {
        for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
            click_row(view, index.row(), Qt::ControlModifier);
        return;
    }
    click_row(view, rows.front(), Qt::NoModifier);
    for (int row : rows.mid(1))
        click_row(view, row, Qt::ControlModifier);
}

void invoke(QObject *window, const char *handler) {
    if (!QMetaObject::invokeMethod(window, handler))
        qFatal("no handler %s", handler);
}

} // namespace tarvendi::test
