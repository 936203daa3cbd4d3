#pragma once
// What the document's view commands and the relayed notifications do to the view manager, kept
// apart from the windows so that the document and the tests drive the same rules.

class CViewBase;

namespace viewcommands {

// The view type a view command shows, whether or not the family has that view; 0 when the
// command is not a view command. The redraw command gives the redraw type.
int ViewTypeOfCommand(int command);
// Carries out a view command (a view's command, the redraw of every view, the two tab
// commands); false when it is none of these or names a view the family lacks.
bool Run(CViewBase& manager, int command);
// A notification the main window relays (connection state, BTS notification, general
// notification); true when the views were drawn again.
bool Notify(CViewBase& manager, int message, int wParam, int lParam);

} // namespace viewcommands
