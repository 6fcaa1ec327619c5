#pragma once

class QUrl;
class QWidget;

namespace rigscope {

// The browser pane comes from a module of its own (rigscope_browser), loaded
// on first use: the browser engine is large, and loading it with the program
// would hold up the disclaimer at every start.

// A browser view (a QWebEngineView) as a child of `parent`; an empty widget,
// with a note on standard error, when the module cannot be loaded.
[[nodiscard]] QWidget* makeBrowserPane(QWidget* parent);

// Loads the module and starts the browser engine ahead of the first pane,
// which then opens sooner: the engine takes the better part of a second.
void startBrowserEngine();

// Tells a pane made by makeBrowserPane to open `address`.
void navigate(QWidget* pane, const QUrl& address);

}  // namespace rigscope
