#include "FileChooser.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstring>

#include "Cp936.h"
#include "codepage.h"

namespace {

// The name filters of a pattern list such as "*.svo;*.bin". The platform's "*.*"
// takes every file, a name without a dot too; and as "*" it has no extension for Qt
// to put on a name typed on Save, which would make "a.svo" into "a.*".
QStringList NameFiltersOf(const std::string& patterns)
{
    QStringList filters;
    for (const QString& pattern : FromCp936(patterns).split(u';', Qt::SkipEmptyParts)) {
        QString trimmed = pattern.trimmed();
        filters.append(trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    return filters;
}

// Whether a list holds exactly the descriptions, each with its blanks squeezed.
bool ShowsSqueezed(const QComboBox& list, const QStringList& descriptions)
{
    if (list.count() != descriptions.size())
        return false;
    for (int type = 0; type < descriptions.size(); ++type) {
        if (list.itemText(type) != descriptions[type].simplified())
            return false;
    }
    return true;
}

}  // namespace

FileChooser::FileChooser(OPENFILENAME& ofn, BOOL bSave, QWidget* owner)
    : QFileDialog(owner), m_ofn(ofn), m_types(FileFilterPairs(ofn.lpstrFilter))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setWindowTitle(QString::fromLatin1(ChooserTitle(bSave)));
    setAcceptMode(bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // No file or folder has to exist: a name that cannot be opened fails in the file
    // layer, which says why.
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite, !(ofn.Flags & OFN_OVERWRITEPROMPT));
    // Qt adds it as WithDefaultExtension does, to a name without a dot, and before it
    // asks about replacing, so that it asks about the file that would be written.
    setDefaultSuffix(FromCp936(DefaultExtensionOf(ofn.lpstrDefExt)));
    OfferFileTypes();
    if (ofn.lpstrFile[0] != '\0')
        selectFile(FromCp936(ofn.lpstrFile));
}

// Each type is shown under its description exactly as given and filters by its own
// pattern, not by whatever the description's brackets say: Qt takes the patterns from
// the last brackets of "description (patterns)" and is told to show only what comes
// before them.
void FileChooser::OfferFileTypes()
{
    QStringList descriptions;
    QStringList types;
    for (const auto& [description, pattern] : m_types) {
        if (pattern.empty())
            continue;
        descriptions.append(FromCp936(description));
        types.append(descriptions.back() + QStringLiteral(" (") + NameFiltersOf(pattern).join(u' ') + u')');
    }
    if (types.isEmpty())
        return;
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilters(types);
    ShowDescriptionsAsGiven(descriptions);
}

// Qt squeezes each run of blanks in a name filter to one. The list that shows the
// squeezed descriptions, whichever it is, gets them back as the program wrote them;
// should a Qt release show them otherwise, the squeezed ones stay.
void FileChooser::ShowDescriptionsAsGiven(const QStringList& descriptions)
{
    for (QComboBox* list : findChildren<QComboBox*>()) {
        if (ShowsSqueezed(*list, descriptions)) {
            for (int type = 0; type < descriptions.size(); ++type)
                list->setItemText(type, descriptions[type]);
            return;
        }
    }
}

BOOL FileChooser::Run()
{
    // The chooser takes the keyboard as soon as it shows, as the platform's does, also
    // where no window manager activates new windows.
    QTimer::singleShot(0, this, [this] { activateWindow(); });
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return FALSE;
    return TakePath(selectedFiles().first());
}

// A folder is left to Qt, which opens it. Qt's own checks come after this one, so
// that it does not ask about replacing a file that would then be refused.
void FileChooser::accept()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && !QFileInfo(files.first()).isDir()) {
        std::string bytes = ChosenPathBytes(files.first());
        if (!Fits(bytes)) {
            QMessageBox::warning(this, windowTitle(), FromCp936(PathTooLongText(bytes)));
            // The keyboard comes back to the chooser, also where no window manager gives it.
            activateWindow();
            return;
        }
    }
    QFileDialog::accept();
}

bool FileChooser::Fits(const std::string& pathBytes) const
{
    return pathBytes.size() < m_ofn.nMaxFile;
}

BOOL FileChooser::TakePath(const QString& path)
{
    // accept() has let no longer path through; the copy is guarded all the same.
    std::string bytes = ChosenPathBytes(path);
    if (bytes.empty() || !Fits(bytes))
        return FALSE;
    std::memcpy(m_ofn.lpstrFile, bytes.c_str(), bytes.size() + 1);
    return TRUE;
}

// Every character that a file name can hold has its bytes in GB18030, so every path
// that the chooser offers reaches the file layer as itself. Qt's UTF-8 is never broken;
// were it, no path is better than one naming another file.
std::string ChosenPathBytes(const QString& path)
{
    QByteArray utf8 = path.toUtf8();
    return Utf8ToPathBytes(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))).value_or(std::string());
}
