// The tag commands of the menu "mp3": every song entry of the file list renamed from its tag,
// numbered by its position in the list; and the option that lets them take the other audio
// formats.

#include "MP3Info.h"
#include "file_list.h"
#include "gb_text.h"
#include "main_window.h"
#include "messages.h"
#include "notebook.h"
#include "option_item.h"
#include "options.h"
#include "tag_page.h"
#include "tag_writing.h"

using namespace tarvendi;
using namespace tarvendi::ui;

void TForm1::rename_file_list_from_tags(bool with_artist) {
    actions_.run([&] {
        const bool execute = confirm(this, format_question());
        const std::vector<PassItem> items = all_file_list_items();
        PassDescription d = passes::title_and_position(MP3Info1->tag(), with_artist,
                                                       {N16->isChecked(), all_audio_formats()});
        // The list follows the item in work, and the tag page shows each name made.
        d.rule = [&, rule = d.rule](const RuleInput &in) {
            FileListBox1->set_focused_row(in.index);
            std::optional<std::string> name = rule(in);
            if (name)
                notebook_->tags().show_file_text(*name);
            return name;
        };
        run_pass_in(FileListBox1->folder(), d, items, execute, Refresh::FileList);
    });
}

void TForm1::mp32Click() {
    rename_file_list_from_tags(true);
}

void TForm1::mp34Click() {
    rename_file_list_from_tags(false);
}

void TForm1::add_audio_formats_option(QMenu *mp3) {
    N23 = option_item(mp3, "N23", tr("标签改名包括其他音频格式"), all_audio_formats(),
                      [this](bool on) {
                          set_all_audio_formats(on);
                          notebook_->tags().show_help(prefer_id3v2());
                      });
}
