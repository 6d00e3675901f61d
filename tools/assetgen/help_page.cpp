// The help page F1 opens in the desktop's browser: the rules, how to play, the commands and
// keys, the six skins and where the game keeps its things. One HTML5 file; its pictures are
// the skin images lying beside it in res/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "game/board.h"
#include "tools/assetgen/assets.h"
#include "tools/assetgen/help_shots.h"
#include "tools/assetgen/icon_art.h"
#include "view/skin_names.h"

namespace {

const char* const Head = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Marlix Pentro Help</title>
<style>
:root { --navy: #152b4e; --steel: #2e5282; --sky: #9db5d8; --gold: #f2b93b; --coral: #e5574f; --ink: #1f2a37; }
* { box-sizing: border-box; }
body { margin: 0; background: #eef1f6; color: var(--ink);
  font: 16px/1.6 system-ui, "Segoe UI", "DejaVu Sans", "Helvetica Neue", Arial, sans-serif; }
.wrap { max-width: 860px; margin: 0 auto; padding: 0 20px; }
header { background: linear-gradient(#23406e, #0f1f3f); color: #fff; padding: 26px 0 0; }
header .wrap { display: flex; align-items: center; gap: 18px; }
header svg { flex: none; width: 64px; height: 64px; }
h1 { margin: 0; font-size: 2.1rem; line-height: 1.15; letter-spacing: .01em; }
.tagline { margin: 2px 0 0; color: var(--sky); font-size: 1.05rem; }
nav { margin-top: 22px; background: rgba(0, 0, 0, .18); }
nav .wrap { display: flex; flex-wrap: wrap; gap: 4px 22px; padding-top: 9px; padding-bottom: 9px; }
nav a { color: #dbe6f5; text-decoration: none; font-size: .95rem; }
nav a:hover { color: var(--gold); }
section { background: #fff; border-radius: 10px; box-shadow: 0 1px 3px rgba(21, 43, 78, .14);
  margin: 22px 0; padding: 8px 28px 18px; }
h2 { display: inline-block; margin: 14px 0 6px; color: #23406e; font-size: 1.35rem;
  border-bottom: 3px solid var(--gold); }
ul { padding-left: 1.3em; }
li { margin: 4px 0; }
kbd { display: inline-block; min-width: 1.6em; padding: 0 6px; border: 1px solid #c3cddd; border-bottom-width: 2px;
  border-radius: 4px; background: #f5f7fb; font: 600 .85em/1.6 "DejaVu Sans Mono", Menlo, Consolas, monospace;
  text-align: center; white-space: nowrap; }
.label { font-weight: 700; letter-spacing: .04em; }
table { width: 100%; border-collapse: collapse; }
th, td { padding: 8px 10px; border-bottom: 1px solid #e3e8f0; text-align: left; vertical-align: top; }
th { color: #5a6b82; font-size: .85rem; font-weight: 600; text-transform: uppercase; letter-spacing: .05em; }
td:first-child { font-weight: 600; white-space: nowrap; }
td small { display: block; color: #6b7a90; font-size: .82rem; font-weight: 400; }
.sides { display: grid; grid-template-columns: repeat(auto-fit, minmax(300px, 1fr)); gap: 14px 24px; margin: 14px 0 4px; }
.side { display: flex; align-items: center; gap: 16px; }
.side p { margin: 0; }
.side b, figcaption b { display: block; color: #23406e; font-size: 1rem; }
.closed { position: relative; flex: none; border-radius: 6px; box-shadow: 0 2px 6px rgba(15, 31, 63, .3); }
.closed div { position: absolute; }
.note { color: #6b7a90; font-size: .88rem; }
.skins { display: grid; grid-template-columns: repeat(auto-fill, minmax(240px, 1fr)); gap: 24px 20px; margin: 14px 0 4px; }
figure { margin: 0; }
.shot { position: relative; width: 240px; height: 320px; margin: 0 auto; overflow: hidden; border-radius: 8px;
  box-shadow: 0 3px 10px rgba(15, 31, 63, .35); }
.shot img { display: block; width: 240px; height: 320px; }
.shot div { position: absolute; }
.score { position: absolute; color: #fff; font: 700 12px/1 "DejaVu Sans", Arial, sans-serif; }
.score.grey { color: #757a7f; }
figcaption { max-width: 240px; margin: 10px auto 0; font-size: .93rem; }
code { font: .9em "DejaVu Sans Mono", Menlo, Consolas, monospace; background: #f1f4f9; padding: 1px 5px;
  border-radius: 3px; overflow-wrap: anywhere; }
footer { padding: 4px 0 30px; color: #6b7a90; font-size: .85rem; text-align: center; }
</style>
</head>
<body>
)";

const char* const Intro = R"(
<nav><div class="wrap">
<a href="#game">The game</a> <a href="#rules">Rules</a> <a href="#play">How to play</a>
<a href="#keys">Commands and keys</a> <a href="#skins">Skins</a> <a href="#files">Your game and settings</a>
<a href="#tips">Tips</a>
</div></nav>
</header>
<main class="wrap">

<section id="game">
<h2>The game</h2>
<p>Marlix Pentro is dots and boxes, the pencil-and-paper game, played against the computer. The board has
8&nbsp;&times;&nbsp;8 points, which frame 7&nbsp;&times;&nbsp;7&nbsp;=&nbsp;49 boxes. You and the computer take turns
joining two points with a line. Close a box and it is yours; whoever owns more boxes when the board is full wins.</p>
</section>

<section id="rules">
<h2>Rules</h2>
<ul>
<li>A move is one line between two neighbouring points, across or down. Lines never run diagonally or past a point.</li>
<li>Whoever draws the fourth side of a box takes that box, scores a point <strong>and draws again</strong>. So a single
line can start a run of boxes, one after another.</li>
<li>A line between two boxes that closes both scores both.</li>
<li>The game ends when all 49 boxes are taken. Since 49 is odd, there is never a draw.</li>
<li>The computer always draws the first line of a game.</li>
</ul>
</section>
)";

const char* const Play = R"(
<section id="play">
<h2>How to play</h2>
<ul>
<li>Tap or click a line between two points to draw it. Lines not yet drawn show faintly on the board&nbsp;&mdash; as
grooves, dots or stitches, depending on the skin.</li>
<li>The computer answers after a short pause. Like you, it moves again each time it takes a box.</li>
<li>The scores are at the top of the screen: <span class="label">YOU</span> counts your boxes,
<span class="label">CPU</span> the computer&rsquo;s.</li>
<li>When the last box is taken, the game tells you who won and asks whether to play again.</li>
<li>No mouse? The first arrow key shows a cursor: two bars along one line. The arrow keys move it from line to line,
<kbd>Tab</kbd> jumps to the next line not yet drawn, and <kbd>Enter</kbd> or <kbd>Space</kbd> draws the line under it,
just as a tap would. A tap hides the cursor again.</li>
</ul>
<p>Your lines and boxes and the computer&rsquo;s have their own colours in every skin, and they are marked
differently as well, so you can tell them apart at a glance in every skin:</p>
)";

const char* const Commands = R"(
<section id="keys">
<h2>Commands and keys</h2>
<table>
<tr><th>Command</th><th>Key</th><th>What it does</th></tr>
<tr><td>New Game<small>the left button at the bottom</small></td><td><kbd>Ctrl+N</kbd> <kbd>F9</kbd></td>
<td>Starts a new game. Once a line has been drawn, it asks you first.</td></tr>
<tr><td>Options<small>Menu &rarr; Options</small></td><td><kbd>Ctrl+O</kbd></td>
<td>Switches &ldquo;Play sounds&rdquo; on or off and picks the skin under Backgrounds: &ldquo;Default&rdquo;,
&ldquo;Skin1&rdquo; &hellip; &ldquo;Skin5&rdquo;. Press Done to keep your choice.</td></tr>
<tr><td>About<small>Menu &rarr; About</small></td><td><kbd>Ctrl+A</kbd></td><td>Shows the version.</td></tr>
<tr><td>Menu<small>the right button at the bottom</small></td><td><kbd>F10</kbd> <kbd>Menu</kbd></td>
<td>Opens the menu; the arrow keys and <kbd>Enter</kbd> choose in it. In Options, <kbd>Tab</kbd> moves between
&ldquo;Play sounds&rdquo; (<kbd>Space</kbd> ticks it) and the skin list (<kbd>Up</kbd> and <kbd>Down</kbd> choose,
<kbd>Alt+Down</kbd> opens it); <kbd>Enter</kbd> is Done.</td></tr>
<tr><td>Exit</td><td><kbd>Ctrl+Q</kbd></td>
<td>Ends the program, as closing the window does. The game is kept and comes back just as it was at the next
start.</td></tr>
<tr><td>Help</td><td><kbd>F1</kbd></td><td>Opens this page.</td></tr>
<tr><td>Rotate the screen</td><td><kbd>F2</kbd></td>
<td>Turns the handheld&rsquo;s screen between upright and sideways, as its rotate button does.</td></tr>
</table>
<p>With sounds on, you hear each line as it is drawn, each box as it is taken, the start of a game and its end.</p>
</section>

<section id="skins">
<h2>Skins</h2>
<p>Six looks for the board, chosen under Menu &rarr; Options &rarr; Backgrounds. Each is shown here in the middle of a
game.</p>
<div class="skins">
)";

const char* const Closing = R"(
<section id="files">
<h2>Your game and settings</h2>
<p>The game keeps its settings (sounds and skin) and the game in progress in one small file:</p>
<p><code>~/.config/marlix-pentro/registry.reg</code></p>
<p>When <code>XDG_CONFIG_HOME</code> is set, the file is <code>$XDG_CONFIG_HOME/marlix-pentro/registry.reg</code>
instead. The game in progress is written when the window closes and read back at the next start. To begin afresh with
the standard settings, delete the file while the game is not running.</p>
</section>

<section id="tips">
<h2>Tips</h2>
<ul>
<li>Think twice before drawing the third side of a box: the computer takes every box it is offered.</li>
<li>Early on, draw lines that leave every box with at most two sides.</li>
<li>Late in the game every line gives something away. Count the runs of boxes and hand over the shortest one.</li>
</ul>
</section>
</main>
<footer>Marlix Pentro 1.0</footer>
</body>
</html>
)";

// The skins in the order of the Options list, with what sets each apart.
struct SkinEntry {
  const char* name;
  const char* description;
};
const SkinEntry Skins[] = {
    {"Default", "A steel-blue board on deep navy with silver studs: gold for you, coral for the computer."},
    {"Skin1", "Graph paper with pencil dots: blue ink for you, red pencil for the computer."},
    {"Skin2", "A dark board under the night sky: glowing cyan for you, pink for the computer."},
    {"Skin3", "A maple board in a walnut frame with brass pegs: ivory for you, ebony for the computer."},
    {"Skin4", "A green card table with chalk studs: blue chips for you, red chips for the computer."},
    {"Skin5", "A violet board against an evening sky: amber for you, teal for the computer."},
};

// The head of the page: the icon, drawn inline from the same shapes as the program's own.
std::string Header() {
  std::string svg = IconSvg();
  svg = svg.substr(svg.find("<svg"));
  svg.insert(svg.find("<svg") + 4, " aria-hidden=\"true\"");
  return "<header>\n<div class=\"wrap\">\n" + svg +
         "<div><h1>Marlix Pentro</h1><p class=\"tagline\">Dots and boxes against the "
         "computer</p></div>\n</div>\n";
}

std::string Sides() {
  return "<div class=\"sides\">\n<div class=\"side\">" + ClosedBox(OwnerUser) +
         "<p><b>Yours</b>Whole lines, and a ring on each box you take.</p></div>\n<div class=\"side\">" +
         ClosedBox(OwnerComputer) +
         "<p><b>The computer&rsquo;s</b>Lines with a row of dashes (on graph paper, broken into dashes), and "
         "a "
         "diamond on each box it takes.</p></div>\n</div>\n<p class=\"note\">Shown in the Default skin.</p>\n"
         "</section>\n";
}

std::string SkinCards() {
  std::string html;
  for (int skin = 0; skin < SkinCount; ++skin) {
    const std::string alt = std::string("The ") + Skins[skin].name + " skin";
    html += "<figure>" + SkinShot(skin, alt.c_str()) + "\n<figcaption><b>" + Skins[skin].name + "</b>" +
            Skins[skin].description + "</figcaption></figure>\n";
  }
  return html + "</div>\n</section>\n";
}

}  // namespace

bool WriteHelp(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::ofstream page(folder + "/" + HelpFile, std::ios::trunc);
  page << Head << Header() << Intro << Play << Sides() << Commands << SkinCards() << Closing;
  page.close();
  if (!page) std::fprintf(stderr, "%s/%s: cannot write\n", folder.c_str(), HelpFile);
  return static_cast<bool>(page);
}
