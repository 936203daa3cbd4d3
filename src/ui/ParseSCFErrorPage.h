#pragma once
// The "Parse Error" page of the open and save sheets: the lines the file reader rejected, which
// a rewrite of the file leaves out.

#include <QWidget>

class CParseProblemList;
class QTreeWidget;

class CParseSCFErrorPage : public QWidget {
    Q_OBJECT
public:
    CParseSCFErrorPage(CParseProblemList& problems, QWidget* parent = nullptr);
    QTreeWidget* List() const { return m_list; }
    // Reads the rows again, after another file was read.
    void Fill();

private:
    CParseProblemList& m_problems;
    QTreeWidget* m_list = nullptr;
};
