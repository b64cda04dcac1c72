// The gallery's style sheet and script. Plain CSS and a little JavaScript: the
// pages work from file:// and fetch nothing.
#include "gallery/gallery.h"

namespace ctrlelem_tool::gallery {

const char* const kGalleryCss = R"css(
body { font: 14px/1.4 sans-serif; margin: 0; color: #222; background: #fafafa; }
header { display: flex; gap: 1em; align-items: center; padding: .6em 1em;
         background: #2b4a6f; color: #fff; position: sticky; top: 0; z-index: 2; }
header a { color: #fff; }
header h1 { font-size: 1.1em; margin: 0; flex: 1; }
main { padding: 1em; }
.cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(220px, 1fr)); gap: 1em; }
.card { display: block; background: #fff; border: 1px solid #ccc; border-radius: 4px;
        padding: .5em; text-decoration: none; color: inherit; }
.card:hover { border-color: #2b4a6f; box-shadow: 0 1px 4px rgba(0,0,0,.2); }
.card .thumb { height: 160px; display: flex; align-items: center; justify-content: center;
               overflow: hidden; background: #eee; }
.card img { max-width: 100%; max-height: 160px; }
.card .title { font-weight: bold; margin-top: .4em; }
.card .meta { color: #666; font-size: .9em; }
.card .overflow, .overflows li { color: #c00; }
.description { display: flex; gap: 1.5em; align-items: flex-start; flex-wrap: wrap; }
.picture { background: #fff; border: 1px solid #ccc; padding: 8px; overflow: auto; max-width: 100%; }
.picture svg { display: block; }
.native { margin: 0; background: #fff; border: 1px solid #ccc; padding: 8px; max-width: 100%; overflow: auto; }
.native img { display: block; }
.native figcaption { font-size: .85em; color: #555; margin-top: 4px; }
.picture g.hl > rect.box { stroke: #ff00c8; stroke-width: 2px; fill: rgba(255, 0, 200, .12); }
.tree { font: 12px/1.5 monospace; max-height: 80vh; overflow: auto; background: #fff;
        border: 1px solid #ccc; padding: .5em 1em; flex: 1; min-width: 320px; }
.tree ul { list-style: none; margin: 0; padding-left: 1.2em; }
.tree > ul { padding-left: 0; }
.tree li > span { cursor: default; border-radius: 2px; padding: 0 2px; }
.tree input.toggle { margin: 0 .3em 0 0; vertical-align: middle; }
.tree li.off > span { color: #999; text-decoration: line-through; }
.tree li.hl > span { background: #ffd6f5; outline: 1px solid #ff00c8; }
.tree li.overflow > span { color: #c00; }
.tree .text { color: #06607a; }
.tree .hints { display: block; margin-left: 2em; color: #6a5a00; white-space: pre-line; }
[hidden] { display: none !important; }
)css";

const char* const kGalleryJs = R"js(
'use strict';
// The language shown is kept in the address's hash (#lang=N), so it follows
// the reader from page to page without storage.
function currentLanguage() {
  const match = /lang=(\d+)/.exec(location.hash);
  return match ? match[1] : '0';
}
function showLanguage(lang) {
  document.querySelectorAll('[data-lang]').forEach(e => { e.hidden = e.dataset.lang !== lang; });
  document.querySelectorAll('a[data-keep-lang]').forEach(a => {
    a.href = a.getAttribute('href').replace(/#.*$/, '') + '#lang=' + lang;
  });
  const select = document.getElementById('language');
  if (select) {
    select.value = lang;
    // The page's language is the one shown (its code; "" when unknown).
    const option = select.selectedOptions[0];
    if (option) document.documentElement.lang = option.dataset.code;
  }
}
// Hovering a tree node or a drawn element marks both.
function highlight(scope, path, on) {
  scope.querySelectorAll('[data-element-path]').forEach(e => {
    if (e.getAttribute('data-element-path') === path) e.classList.toggle('hl', on);
  });
}
function wire(scope) {
  let marked = null;
  const mark = path => {
    if (marked === path) return;
    if (marked !== null) highlight(scope, marked, false);
    marked = path;
    if (path !== null) highlight(scope, path, true);
  };
  scope.addEventListener('mouseover', event => {
    const target = event.target.closest('[data-element-path]');
    mark(target ? target.getAttribute('data-element-path') : null);
  });
  scope.addEventListener('mouseleave', () => mark(null));
  // Elements that replace each other at run time (two panels in one place)
  // are shown one at a time: each tree node's box hides or shows its element
  // and everything inside it.
  scope.addEventListener('change', event => {
    if (!event.target.classList.contains('toggle')) return;
    const item = event.target.closest('[data-element-path]');
    const path = item.getAttribute('data-element-path');
    const shown = event.target.checked;
    item.classList.toggle('off', !shown);
    scope.querySelectorAll('g[data-element-path]').forEach(g => {
      if (g.getAttribute('data-element-path') === path) g.style.display = shown ? '' : 'none';
    });
  });
}
document.addEventListener('DOMContentLoaded', () => {
  document.querySelectorAll('.description').forEach(wire);
  const select = document.getElementById('language');
  if (select) {
    select.addEventListener('change', () => {
      history.replaceState(null, '', '#lang=' + select.value);
      showLanguage(select.value);
    });
  }
  showLanguage(currentLanguage());
});
)js";

}  // namespace ctrlelem_tool::gallery
