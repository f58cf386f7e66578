#pragma once

#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace brannock::test {

/// Every text a player can see on `root` and its children, one line each:
/// "<window>\t<object path>\t<what>\t<text>" (window titles, captions, tooltips, accessible
/// names and descriptions, list entries, menu titles and entries). Line breaks and tabs in a
/// text are written as \n, \r and \t. Sorted, so that the order the children were made in
/// does not count.
QStringList windowTexts(const QString &window, QObject *root);

/// The child widgets of `root` that show a one-line caption in a box of fixed width (labels,
/// buttons and check boxes that do not wrap), whose caption is wider than the box: each as
/// "<object path>: <caption> (<needed> > <width> pixels)".
QStringList cutCaptions(QWidget *root);

/// The texts of every window and menu of both programs as a player first meets them, the
/// Compile window through one short run, and the boxes of a few first steps (the scene, the
/// box's title and text). `visit` is shown each window in each of those states.
QStringList allWindowTexts(const std::function<void(const QString &scene, QWidget &window)> &visit = {});

/// cutCaptions of every window of allWindowTexts, each shown in each of its states, as
/// "<scene>: <caption>".
QStringList cutCaptionsOfEveryWindow();

/// What `program` (in the build's program folder) prints for --help with the environment
/// variable LANGUAGE set to `language`; the folders of the run written as <home> and <programs>.
QString programHelp(const QString &program, const QString &language);

} // namespace brannock::test
