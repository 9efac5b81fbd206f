#include "open_paths.h"

#include "check_list.h"
#include "display_text.h"
#include "drop_reactions.h"
#include "encoding.h"
#include "errors.h"
#include "file_list.h"
#include "filesystem.h"
#include "gb_text.h"
#include "main_window.h"
#include "text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelection>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <ostream>
#include <string_view>
#include <unordered_set>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace tarvendi::ui {

namespace {

// A message lists at most this many paths, as the refused-rename report does.
constexpr std::size_t kListedPaths = 20;

std::string joined(const std::string &folder, std::string_view name) {
    std::string path = folder;
    if (path.empty() || path.back() != rules::kSeparator)
        path += rules::kSeparator;
    path += name;
    return path;
}

} // namespace

CommandLine parse_command_line(const std::vector<std::string> &args) {
    CommandLine line;
    bool options_end = false;
    for (const std::string &arg : args) {
        if (options_end || arg.size() < 2 || arg.front() != '-') {
            line.paths.push_back(arg);
        } else if (arg == "--") {
            options_end = true;
        } else if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (line.bad_option.empty()) {
            line.bad_option = arg;
        }
    }
    if (!line.bad_option.empty())
        line.action = CommandLine::Action::BadOption;
    return line;
}

std::vector<std::string> absolute_paths(const std::vector<std::string> &disk_paths) {
    std::vector<std::string> out;
    out.reserve(disk_paths.size());
    for (const std::string &disk : disk_paths) {
        std::string path = platform::name_from_disk(disk);
        // An empty argument names nothing; made absolute it would name the current directory.
        if (!path.empty()) {
            try {
                path = platform::absolute_path(path);
            } catch (const platform::IoError &) {
            }
        }
        out.push_back(std::move(path));
    }
    return out;
}

std::vector<std::string> dropped_paths(const QMimeData *data) {
    std::vector<std::string> disk;
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile()) {
            const QByteArray bytes = QFile::encodeName(url.toLocalFile());
            disk.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        }
    }
    return absolute_paths(disk);
}

PathRequest sort_paths(const std::vector<std::string> &paths) {
    PathRequest request;
    bool opens_folder = false;
    std::unordered_set<std::string> taken;
    for (const std::string &path : paths) {
        const bool absolute = path.starts_with(rules::kSeparator);
        const bool folder = absolute && platform::folder_exists(path);
        if (!folder && !(absolute && platform::file_exists(path))) {
            request.missing.push_back(path);
            continue;
        }
        if (request.folder.empty()) {
            opens_folder = folder;
            if (folder) {
                request.folder = path;
                continue;
            }
            request.folder = rules::folder_part(path);
            if (request.folder.empty())
                request.folder = std::string(1, rules::kSeparator);
        }
        if (opens_folder || folder || joined(request.folder, rules::file_name_part(path)) != path) {
            request.left_out.push_back(path);
            continue;
        }
        std::string name = rules::file_name_part(path);
        if (taken.insert(name).second)
            request.files.push_back(std::move(name));
    }
    return request;
}

void report_missing(std::ostream &out, const PathRequest &request) {
    const QByteArray lead = QCoreApplication::translate("OpenPaths", "找不到文件或文件夹").toUtf8();
    for (const std::string &path : request.missing)
        out << "tarvendi: " << lead.constData() << ": \"" << platform::escaped_text(path) << "\"\n";
}

} // namespace tarvendi::ui

namespace {

QString listed_paths(const std::vector<std::string> &paths) {
    QString out;
    for (std::size_t i = 0; i < paths.size() && i < kListedPaths; ++i)
        out += QLatin1Char('\r') + QString::fromStdString(platform::escaped_text(paths[i]));
    if (paths.size() > kListedPaths)
        out += QLatin1Char('\r') + QCoreApplication::translate("OpenPaths", "……另有 %1 项")
                                       .arg(static_cast<qulonglong>(paths.size() - kListedPaths));
    return out;
}

void warn(QWidget *parent, QString text) {
    QMessageBox::warning(parent, QGuiApplication::applicationName(),
                         text.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

} // namespace

void TForm1::setup_file_drops() {
    // Installed after the reordering reactions, so that it sees every drag first.
    for (QAbstractItemView *list : {static_cast<QAbstractItemView *>(FileListBox1),
                                    static_cast<QAbstractItemView *>(ListBox1)}) {
        list->viewport()->setAcceptDrops(true);
        list->viewport()->installEventFilter(new FileDrops(this, list));
    }
}

void TForm1::open_paths(const PathRequest &request) {
    take_request(request, false);
}

void TForm1::drop_paths(const std::vector<std::string> &paths) {
    take_request(sort_paths(paths), true);
}

void TForm1::take_request(const PathRequest &request, bool add_here) {
    actions_.run([&] {
        if (request.folder.empty())
            return;
        // The folder shown is no change, as typing it into the path field is none.
        const bool here = request.folder == FileListBox1->folder();
        if (!here)
            open_folder(request.folder);
        if (!request.files.empty())
            take_files(request.files, !(here && add_here));
    });
    if (!request.missing.empty())
        warn(this, tr("找不到以下文件或文件夹：") + listed_paths(request.missing));
    if (!request.left_out.empty()) {
        const QString folder = QString::fromStdString(platform::escaped_text(request.folder));
        const QString lead =
            request.files.empty()
                ? tr("只打开了文件夹“%1”，以下各项没有取：").arg(folder)
                : tr("只取了文件夹“%1”中的文件，以下各项不在这个文件夹中，没有取：").arg(folder);
        warn(this, lead + listed_paths(request.left_out));
    }
}

void TForm1::take_files(const std::vector<std::string> &names, bool replace) {
    CheckListModel *list = ListBox1->list();
    const std::string &folder = FileListBox1->folder();
    if (replace) {
        list->clear();
        clear_preview();
        // The file list shows the same choice as the working list.
        const std::unordered_set<std::string_view> wanted(names.begin(), names.end());
        const platform::Listing &entries = FileListBox1->entries();
        QItemSelection selection;
        for (std::size_t row = 0; row < entries.size(); ++row) {
            if (!entries[row].is_folder && wanted.contains(entries[row].name)) {
                const QModelIndex index = FileListBox1->model()->index(static_cast<int>(row), 0);
                selection.select(index, index);
            }
        }
        FileListBox1->clear_selection();
        FileListBox1->selectionModel()->select(selection, QItemSelectionModel::Select);
    }

    // An item is a bare name in the folder shown or a full path (accumulate mode): either names
    // the same file as the dropped one, which then is not added again.
    std::unordered_set<std::string> held;
    for (std::size_t row = 0; row < list->size(); ++row) {
        const std::string_view name = list->name(row);
        if (list->kind(row) != ItemKind::DotEntry)
            held.insert(name.starts_with(rules::kSeparator) ? std::string(name)
                                                            : joined(folder, name));
    }
    for (const std::string &name : names) {
        if (!held.insert(joined(folder, name)).second)
            continue;
        list->append({name, ItemKind::File, Qt::Checked});
        list->set_checked(list->rowCount() - 1, true);
    }
    if (replace)
        CheckBox12->setChecked(true);
}
