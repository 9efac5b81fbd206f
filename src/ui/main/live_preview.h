#pragma once
// The live preview ("实时预览"): while it is on, the notebook page shown previews on its own once
// the user has paused, after a change of its fields, of the working list or of the page shown. It
// presses the page's own preview button, so that it shows exactly what the button shows; what
// would be a message box is said beside the preview's caption (Label26) instead, so that a
// half-typed number or pattern never stops the typing.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstddef>

class QAbstractItemModel;
class QLabel;
class QMenu;

namespace tarvendi::ui {

class Notebook;
class PassHost;
class PreviewPanel;

class LivePreview : public QObject {
    Q_OBJECT
public:
    // One preview for a burst of changes, this long after the last one (milliseconds).
    static constexpr int kDelay = 200;
    // Above this many items in the working list only the buttons preview, so that typing never
    // waits for a pass.
    static constexpr std::size_t kItemLimit = 20000;

    // Watches the pages of notebook and working, the working list's model; previews through host
    // and tells in preview's caption. All of them must outlive the live preview. Off at first.
    LivePreview(Notebook &notebook, PassHost &host, const QAbstractItemModel &working,
                PreviewPanel &preview, QObject *parent);

    bool is_on() const { return on_; }
    // Turning it on previews the page shown after the pause, as a change would.
    void set_on(bool on);
    void set_item_limit(std::size_t limit) { limit_ = limit; }

protected:
    // Shows a message cut short in the caption whole as the caption's tool tip.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Starts the pause anew, when the page shown has a preview.
    void changed();
    void working_list_changed();
    void preview();
    // Shows text as one line in the caption, cut to the room it has.
    void tell(const QString &text);

    Notebook &notebook_;
    PassHost &host_;
    const QAbstractItemModel &working_;
    PreviewPanel &preview_;
    QPointer<QLabel> caption_; // Label26
    QString told_;             // the message last told, whole
    QString shown_;            // what of it the caption shows
    QTimer timer_;
    bool on_ = false;
    std::size_t limit_ = kItemLimit;
};

// Adds the remembered option "实时预览" (N22) to menu and the live preview it switches, a child of
// notebook; the arguments are those of LivePreview.
LivePreview *add_live_preview(QMenu &menu, Notebook &notebook, PassHost &host,
                              const QAbstractItemModel &working, PreviewPanel &preview);

} // namespace tarvendi::ui
