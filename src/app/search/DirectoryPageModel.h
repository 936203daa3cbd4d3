#pragma once
// The rules of the wizard's "Select Directory" page: the home folder or a custom one from the
// recent-folder history, which choice is remembered, and how the history is rewritten on Next.

#include <string>
#include <vector>

class CRegistry;

class CDirectoryPageModel {
public:
    enum EChoice { kHome = 0, kCustom = 1 };

    // `applicationHome` is the folder under which the "Cabrion" archive folder lives.
    CDirectoryPageModel(CRegistry& settings, const std::string& applicationHome);

    int Choice() const { return m_choice; }
    const std::string& HomeDirectory() const { return m_home; }
    // The custom folder box and its Browse button work only for a custom folder.
    bool CustomEnabled() const { return m_choice == kCustom; }

    // The recent folders in history order; the selected one, -1 when the box is empty.
    const std::vector<std::string>& Folders() const { return m_folders; }
    int Selected() const { return m_selected; }
    std::string SelectedFolder() const;
    void Select(int index);

    void ChooseHome() { m_choice = kHome; }
    // True when the folder chooser has to open at once because there is no folder to choose
    // from; the caller then reports its outcome to BrowseClosed.
    bool ChooseCustom();
    // Where Browse starts: the selected folder, or the home folder without one.
    std::string BrowseStart() const;
    // A folder the chooser returned: selected, and put first when the box lacks it.
    void FolderChosen(const std::string& folder);
    // The chooser opened by ChooseCustom closed: with the box still empty the choice falls back
    // to the home folder.
    void BrowseClosed();

    // Next: the folder to search. Rewrites the history and stores the choice.
    std::string Next();

private:
    CRegistry& m_settings;
    std::string m_home;
    int m_choice = kHome;
    std::vector<std::string> m_folders;
    int m_selected = -1;
};
