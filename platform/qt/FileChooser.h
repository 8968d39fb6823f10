// The common file chooser on screen: Qt's own file dialog (the same under any display),
// offering the filter list's file types under their descriptions, adding the default
// extension to a typed name, asking before a save replaces a file, and refusing a
// path that the caller's buffer cannot hold.
#pragma once

#include <QFileDialog>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "commdlg.h"

class FileChooser : public QFileDialog {
public:
    // The chooser that ofn describes, an open one or a save one, over owner.
    FileChooser(OPENFILENAME& ofn, BOOL bSave, QWidget* owner);

    // Runs the chooser modally; TRUE with the path in lpstrFile when one was chosen.
    BOOL Run();

    // A path too long for the caller is refused with a message naming it, and the
    // chooser stays open for another name or a cancel.
    void accept() override;

private:
    void OfferFileTypes();
    void ShowDescriptionsAsGiven(const QStringList& descriptions);
    bool Fits(const std::string& pathBytes) const;
    BOOL TakePath(const QString& path);

    OPENFILENAME& m_ofn;
    std::vector<std::pair<std::string, std::string>> m_types;
};

// A chosen path as the program carries it: code page 936, and GB18030 for the
// characters that code page 936 lacks.
std::string ChosenPathBytes(const QString& path);
