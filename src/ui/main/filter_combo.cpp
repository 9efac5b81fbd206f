#include "filter_combo.h"

#include "gb_text.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tarvendi::ui {

QString FilterComboBox::standard_filter(bool folders) {
    return (folders ? tr("所有 (*.*)") : QStringLiteral("All files (*.*)")) +
           tr("|*.*|音乐|*.MP3;*.wma;*.wav|图片|*.BMP;*.JPG;*.GIF|视频 "
              "|*.RMVB;*.RM;*.mpg;*.dat;*.flv;*.AVI;*.ASF;*.WAV;*.MP4;*.MOV;*.VOB;*.MKV;*.CSF|"
              "文档|*.txt;*.doc;*.pdf;*.chm;*.docx|DOC|*.DOC|JPG|*.JPG|MP3|*.MP3|RM|*.RMVB;*.RM|"
              "TXT|*.txt");
}

FilterComboBox::FilterComboBox(QWidget *parent)
    : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, &FilterComboBox::entry_chosen);
}

bool FilterComboBox::set_filter(const QString &filter) {
    if (filter == filter_)
        return false;
    filter_ = filter;
    const QSignalBlocker blocker(this);
    clear();
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        addItem(parts[i], parts[i + 1]);
    setCurrentIndex(0);
    return true;
}

std::string FilterComboBox::current_mask() const {
    return qt_to_gb(currentData().toString());
}

void FilterComboBox::open_on_typing() {
    open_on_typing_ = true;
}

void FilterComboBox::keyPressEvent(QKeyEvent *event) {
    if (open_on_typing_ && !event->text().isEmpty()) {
        showPopup();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace tarvendi::ui
