// Drives a gallery written by `ctrlelem gallery` in headless Chromium.
// Usage: node gallery_test.mjs SITE_DIR   (the site made with two languages)
import assert from 'node:assert/strict';
import { test } from 'node:test';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const site = path.resolve(process.argv[2] ?? process.env.GALLERY_DIR ?? '');
const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';
const url = file => pathToFileURL(path.join(site, file)).href;

const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--allow-file-access-from-files'],
});

// Opens a page of the site and collects every console error and page error.
async function open(file) {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', message => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', error => errors.push(String(error)));
  page.on('requestfailed', request => errors.push('failed: ' + request.url()));
  await page.setViewport({ width: 1400, height: 1000 });
  await page.goto(url(file), { waitUntil: 'load' });
  return { page, errors };
}

test('the index shows one card per description and no error', async () => {
  const { page, errors } = await open('index.html');
  const ids = await page.$$eval('[data-element-id]', cards => cards.map(c => c.dataset.elementId));
  assert.equal(ids.length, 69);
  assert.ok(ids.includes('1') && ids.includes('157'));
  const broken = await page.$$eval('.card img:not([hidden])', images =>
    images.filter(i => !i.complete || i.naturalWidth === 0).map(i => i.src));
  assert.deepEqual(broken, []);
  assert.deepEqual(errors, []);
  await page.close();
});

test('every description page loads without error and draws its elements', async () => {
  const index = await browser.newPage();
  await index.goto(url('index.html'));
  const ids = await index.$$eval('[data-element-id]', cards => cards.map(c => c.dataset.elementId));
  await index.close();
  for (const id of ids) {
    const { page, errors } = await open(`${id}.html`);
    const groups = await page.$$eval('section:not([hidden]) svg g[data-element-path]',
                                     g => g.map(e => e.getAttribute('data-element-path')));
    assert.ok(groups.length > 0, `page ${id} draws no element`);
    assert.equal(groups[0], id, `page ${id}: the root group is the description`);
    assert.deepEqual(errors, [], `page ${id}`);
    await page.close();
  }
});

test('hovering a tree node highlights its element, and the other way round', async () => {
  const { page } = await open('1.html');
  const scope = 'section:not([hidden])';
  // A tree node: its element's group gets the mark, and no other.
  const target = '1 > key 10 > child 16';
  await page.hover(`${scope} .tree li[data-element-path="${target}"] > span`);
  const marked = await page.$$eval(`${scope} svg g.hl`, g => g.map(e => e.getAttribute('data-element-path')));
  assert.deepEqual(marked, [target]);

  // An element under the mouse: the tree node of the innermost group there.
  const box = await page.$eval(`${scope} svg g[data-element-path="${target}"] > rect.box`, r => {
    const b = r.getBoundingClientRect();
    return { x: b.x + b.width / 2, y: b.y + b.height - 3 };
  });
  await page.mouse.move(box.x, box.y);
  const expected = await page.evaluate(({ x, y }) => {
    const hit = document.elementFromPoint(x, y).closest('[data-element-path]');
    return hit.getAttribute('data-element-path');
  }, box);
  assert.ok(expected.startsWith('1 > '), expected);
  const nodes = await page.$$eval(`${scope} .tree li.hl`, li => li.map(e => e.getAttribute('data-element-path')));
  assert.deepEqual(nodes, [expected]);
  await page.close();
});

test('a button\'s hints show in the tree and as its tooltip in the picture', async () => {
  const { page, errors } = await open('3.html');
  const scope = 'section:not([hidden])';
  const hinted = await page.$$eval(`${scope} .tree li[data-element-path]`, items => items
    .map(li => ({ path: li.dataset.elementPath, hints: li.querySelector(':scope > span > .hints')?.textContent }))
    .filter(item => item.hints));
  const mute = hinted.find(item => item.hints.includes('Mute your microphone'));
  assert.ok(mute, JSON.stringify(hinted));
  assert.equal(mute.hints, 'Wembrix: Mute your microphone\nchecked: Wembrix: Turn your microphone back on');
  const titles = await page.$$eval(`${scope} svg g[data-element-path] > title`,
                                   t => t.map(e => [e.parentElement.getAttribute('data-element-path'), e.textContent]));
  assert.deepEqual(titles, hinted.map(item => [item.path, item.hints]));
  assert.deepEqual(errors, []);
  await page.close();
});

test('the language switch changes the visible texts', async () => {
  const { page, errors } = await open('102.html');
  const visibleText = () => page.$eval('section:not([hidden]) .tree', t => t.innerText);
  const heading = () => page.$$eval('h1 span:not([hidden])', spans => spans.map(s => s.lang));
  const first = await visibleText();
  assert.deepEqual(await heading(), ['en']);
  assert.equal(await page.$$eval('section[data-lang]:not([hidden])', s => s.length), 1);
  assert.equal(await page.$eval('html', h => h.lang), 'en');
  await page.select('#language', '1');
  const second = await visibleText();
  assert.notEqual(second, first);
  assert.match(page.url(), /#lang=1$/);
  // The heading and the page's language follow the switch (deutsch.lng says code = de).
  assert.deepEqual(await heading(), ['de']);
  assert.equal(await page.$eval('html', h => h.lang), 'de');
  assert.equal(await page.$eval('section:not([hidden])', s => s.lang), 'de');
  // The choice follows the reader back to the index.
  await page.click('header a');
  await page.waitForSelector('[data-element-id]');
  assert.equal(await page.$eval('#language', s => s.value), '1');
  assert.deepEqual(errors, []);
  await page.close();
});

test('texts that do not fit are framed, marked in the tree and listed', async () => {
  // The German texts of the main window: some are wider than their boxes.
  const { page } = await open('1.html');
  await page.select('#language', '1');
  const scope = 'section:not([hidden])';
  const listed = await page.$$eval(`${scope} .overflows li`, li => li.length);
  const marked = await page.$$eval(`${scope} .tree li.overflow`, li => li.map(e => e.getAttribute('data-element-path')));
  assert.ok(listed > 0);
  assert.equal(marked.length, listed);
  // Each marked element's group draws a red frame.
  for (const path of marked) {
    const red = await page.$eval(`${scope} svg g[data-element-path="${path}"]`,
                                 g => [...g.children].some(c => c.getAttribute('stroke') === '#FF0000'));
    assert.ok(red, path);
  }
  await page.close();
});

test("a tree node's box hides its element and what it holds, and shows it again", async () => {
  const { page, errors } = await open('1.html');
  const scope = 'section:not([hidden])';
  const target = '1 > key 10 > child 16';
  const display = () => page.$eval(`${scope} svg g[data-element-path="${target}"]`,
                                   g => getComputedStyle(g).display);
  assert.notEqual(await display(), 'none');
  await page.click(`${scope} .tree li[data-element-path="${target}"] > input.toggle`);
  assert.equal(await display(), 'none');
  // The layers inside it are not drawn either.
  const inner = await page.$$eval(`${scope} svg g[data-element-path^="${target} > "]`,
                                  g => g.filter(e => e.getBoundingClientRect().width > 0).length);
  assert.equal(inner, 0);
  await page.click(`${scope} .tree li[data-element-path="${target}"] > input.toggle`);
  assert.notEqual(await display(), 'none');
  assert.deepEqual(errors, []);
  await page.close();
});

test('a screenshot of a page is not blank', async () => {
  const { page } = await open('1.html');
  const picture = await page.$('section:not([hidden]) .picture svg');
  const shot = await picture.screenshot({ encoding: 'base64' });
  const colours = await page.evaluate(async data => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + data;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    const seen = new Set();
    for (let i = 0; i < pixels.length; i += 4) seen.add(pixels[i] << 16 | pixels[i + 1] << 8 | pixels[i + 2]);
    return seen.size;
  }, shot);
  assert.ok(colours > 20, `only ${colours} colours`);
  await page.close();
});

test.after(() => browser.close());
