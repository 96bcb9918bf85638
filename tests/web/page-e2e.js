// SPDX-License-Identifier: GPL-2.0-or-later
// The page end to end in headless Chromium, opened from disk (file://): the
// page folder (2D canvas and WebGL) and the single file. Each shows a moving
// fire; the panel opens on its key and a setting changed there changes the
// frames; a shared address restores its settings and a bad one is repaired
// with a notice; a bad preset file or palette file is refused with a message
// and the fire burns on; presets are saved and imported; storage that is
// blocked or full is said once; nothing is written to the console as an
// error. Prints the frame rate at 1280 x 720 (a figure, not a check).
// Usage: node page-e2e.js BUILD_DIR   (ends with "web-page: N passed, N failed")
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Browser } = require('./devtools.js');
const { Checks } = require('./checks.js');
const { readPng } = require('./png.js');

const build = path.resolve(process.argv[2] || 'build/web');
const targets = {
  'page folder': 'file://' + path.join(build, 'page/index.html'),
  'single file': 'file://' + path.join(build, 'emberlux.html'),
};
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'emberlux-page-e2e-'));
const checks = new Checks('web-page');
const check = checks.check.bind(checks);

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The mean colour of the bottom quarter of the page, where the fire burns, and the pixels.
async function look(page) {
  const { width, height, rgba } = readPng(await page.screenshot());
  const sum = [0, 0, 0];
  let count = 0;
  for (let y = Math.floor(height * 0.75); y < height; ++y)
    for (let x = 0; x < width * 0.6; ++x, ++count) for (let k = 0; k < 3; ++k) sum[k] += rgba[4 * (y * width + x) + k];
  return { red: sum[0] / count, green: sum[1] / count, blue: sum[2] / count, rgba };
}

function changedShare(a, b) {
  let changed = 0;
  for (let i = 0; i < a.length; i += 4) if (Math.abs(a[i] - b[i]) + Math.abs(a[i + 1] - b[i + 1]) > 24) ++changed;
  return changed / (a.length / 4);
}

// Polls `measure` until `test` holds on what it gives or `ms` have passed; the last measure.
async function measureUntil(measure, test, ms) {
  const end = Date.now() + ms;
  for (;;) {
    const value = await measure();
    if (test(value) || Date.now() > end) return value;
    await sleep(200);
  }
}

const lookUntil = (page, test, ms) => measureUntil(() => look(page), test, ms);

// The mean green of the top of the page, where no fire burns.
async function topGreen(page) {
  const { width, rgba } = readPng(await page.screenshot());
  let sum = 0;
  for (let y = 0; y < 200; ++y) for (let x = 0; x < width * 0.6; ++x) sum += rgba[4 * (y * width + x) + 1];
  return sum / (200 * width * 0.6);
}

const ready = 'window.Emberlux && Emberlux.page && Emberlux.page.stats.frames > 3';
const notice = 'document.getElementById("notice").textContent';

// Opens `url` in a browser of its own. `before.script` runs before the page's
// first document only (a later document must not undo what the page stored).
// `before.hive` is stored first, from a blank page of the same origin once it
// has loaded: what a file:// document stores while Chromium is still making
// it is now and then lost to the next document (about one visit in eight
// here), so a script run at the document's start cannot plant it.
async function withPage(url, use, before = {}) {
  const browser = await Browser.launch();
  try {
    const page = await browser.open('about:blank', 1280, 720);
    if (before.hive !== undefined) {
      const blank = path.join(scratch, 'blank.html');
      fs.writeFileSync(blank, '<!DOCTYPE html><title>blank</title>');
      await page.navigate('file://' + blank);
      await page.evaluate(`localStorage.setItem('emberlux.registry', ${JSON.stringify(before.hive)})`);
    }
    const script = before.script && (await page.send('Page.addScriptToEvaluateOnNewDocument', { source: before.script }));
    await page.navigate(url);
    if (script) await page.send('Page.removeScriptToEvaluateOnNewDocument', { identifier: script.identifier });
    if (!(await page.waitFor(ready, 20000))) throw new Error('the page did not start burning: ' + page.errors.join('; '));
    await use(page);
    return page.errors;
  } finally {
    await browser.close();
  }
}

async function expectMovingFire(page, label) {
  const burning = (seen) => Math.max(seen.red, seen.green, seen.blue) > 40;
  const first = await lookUntil(page, burning, 10000);
  const second = await lookUntil(page, (seen) => changedShare(first.rgba, seen.rgba) > 0.01, 5000);
  check(label + ': fire burns at the bottom', burning(first),
        `red ${first.red.toFixed(0)} green ${first.green.toFixed(0)} blue ${first.blue.toFixed(0)}`);
  const share = changedShare(first.rgba, second.rgba);
  check(label + ': the fire moves', share > 0.01, `${(share * 100).toFixed(2)}% of the pixels changed`);
}

async function basics(name, url) {
  const errors = await withPage(url, async (page) => {
    await expectMovingFire(page, name);
    const red = await look(page);
    check(name + ': the built-in palette burns red', red.red > red.blue + 20,
          `red ${red.red.toFixed(0)} blue ${red.blue.toFixed(0)}`);
    await page.key('s');
    check(name + ': the S key opens the panel', await page.waitFor('!document.getElementById("panel").hidden', 3000));
    const tabs = await page.evaluate('[...document.querySelectorAll("#pages button")].map((b) => b.textContent).join("|")');
    check(name + ': the panel has the sheet\'s pages', tabs === 'General|Effects|Flames|Color Palette|Burning Text|More', tabs);
    await page.evaluate('[...document.querySelectorAll("#pages button")].find((b) => b.textContent === "Effects").click()');
    const label = await page.evaluate('document.querySelector(\'[data-setting="FireWorkCount"] .caption\').textContent');
    check(name + ': ...with the sheet\'s labels', label === 'Number of Fireworks', label);
    await page.evaluate('document.querySelector(\'[data-setting="FireWorkCount"] input\').focus()');
    await page.key('ArrowRight', 39);
    check(name + ': a slider moved with a key changes the setting and the address',
          await page.waitFor('Emberlux.page.api.record().FireWorkCount === 7 && location.hash === "#FireWorkCount=7"', 3000),
          await page.evaluate('location.hash'));
    const controls = await page.evaluate('document.querySelectorAll("#page-bodies [data-setting]").length');
    check(name + ': the panel holds a control for every setting it offers', controls === (await page.evaluate('Emberlux.page.api.table().settings.length')), `${controls} controls`);
    await page.evaluate(`(() => { const s = document.querySelector('[data-setting="Palette"] select');
      s.value = 'Blue Gas.pal'; s.dispatchEvent(new Event('change', { bubbles: true })); })()`);
    const blue = await lookUntil(page, (seen) => seen.blue > seen.red + 20, 8000);
    check(name + ': choosing the Blue Gas palette in the panel turns the fire blue', blue.blue > blue.red + 20,
          `red ${blue.red.toFixed(0)} blue ${blue.blue.toFixed(0)}`);
    check(name + ': the address carries the palette', (await page.evaluate('location.hash')) === '#FireWorkCount=7&Palette=Blue%20Gas.pal',
          await page.evaluate('location.hash'));

    const bad = path.join(scratch, 'not a preset.reg');
    fs.writeFileSync(bad, 'This is no hive.\n');
    const before = await page.evaluate('JSON.stringify(Emberlux.page.api.record())');
    await page.chooseFile('#preset-file', bad);
    check(name + ': a bad preset file shows the message',
          await page.waitFor(`${notice}.includes("not a preset file")`, 5000), await page.evaluate(notice));
    check(name + ': ...and keeps the settings', (await page.evaluate('JSON.stringify(Emberlux.page.api.record())')) === before);
    await expectMovingFire(page, name + ' after the bad preset file');
  });
  check(name + ': nothing is written to the console as an error', errors.length === 0, errors.join('; '));

  const shared = '#FireWorkCount=12&CycleColors=1&FireTextEnable=1&FireText=Hello%0AWorld';
  const sharedErrors = await withPage(url + shared, async (page) => {
    const record = await page.evaluate('Emberlux.page.api.record()');
    check(name + ': a shared address restores its settings',
          record.FireWorkCount === 12 && record.CycleColors === 1 && record.FireText === 'Hello\nWorld',
          JSON.stringify(record));
    const shown = await page.evaluate(`[document.querySelector('[data-setting="FireWorkCount"] input').value,
      document.querySelector('[data-setting="CycleColors"] input').checked,
      document.querySelector('[data-setting="FireText"] textarea').value]`);
    check(name + ': ...and the panel shows them', JSON.stringify(shown) === JSON.stringify(['12', true, 'Hello\nWorld']),
          JSON.stringify(shown));
    check(name + ': ...and the address keeps them', (await page.evaluate('location.hash')) === shared,
          await page.evaluate('location.hash'));
  });
  check(name + ' with a shared address: no console errors', sharedErrors.length === 0, sharedErrors.join('; '));
}

async function repairsAndStorage(url) {
  await withPage(url + '#Palette=Nowhere.pal', async (page) => {
    check('an address naming a palette the page has not is said',
          await page.waitFor(`${notice}.includes("Nowhere.pal is not among")`, 5000), await page.evaluate(notice));
    await expectMovingFire(page, 'a palette the page has not');
  });
  await withPage(url + '#FireWorkCount=99&Nonsense=1&WaveSpeed=fast', async (page) => {
    const text = await page.waitFor(`${notice}.includes("99 became 40") && ${notice}`, 5000);
    check('a bad address: a one-line notice says what was repaired',
          !!text && text.includes('Nonsense') && text.includes('WaveSpeed'), String(text));
    check('a bad address: the value is clamped and the rest dropped',
          (await page.evaluate('location.hash')) === '#FireWorkCount=40', await page.evaluate('location.hash'));
    await expectMovingFire(page, 'a bad address');
  });

  await withPage(url, async (page) => {
    const palette = path.join(scratch, 'short.pal');
    fs.writeFileSync(palette, Buffer.alloc(700, 7));
    await page.chooseFile('#palette-file', palette);
    check('a palette file that is not 768 bytes is refused with a message',
          await page.waitFor(`${notice}.includes("768 bytes")`, 5000), await page.evaluate(notice));
    check('...and the palette stays', (await page.evaluate('Emberlux.page.api.record().Palette')) === '');

    const good = path.join(scratch, 'My Blue.pal');
    fs.copyFileSync(path.join(__dirname, '../../resources/palettes/Blue Gas.pal'), good);
    await page.chooseFile('#palette-file', good);
    check('a palette file the user opens becomes the palette',
          await page.waitFor('Emberlux.page.api.record().Palette === "My Blue.pal"', 5000));
    check('...and is kept for the next visit', await page.evaluate('"My Blue.pal" in JSON.parse(localStorage.getItem("emberlux.palettes"))'));

    page.dialogAnswers.push('Party');
    await page.evaluate('document.getElementById("preset-save-as").click()');
    check('Save as stores a preset under the name given',
          await page.waitFor('[...document.querySelectorAll("#preset-list option")].some((o) => o.value === "Party")', 5000));
    check('...in the storage as the savers\' hive',
          await page.evaluate('localStorage.getItem("emberlux.registry").includes("[HKEY_CURRENT_USER\\\\Software\\\\Norvane\\\\Emberlux!\\\\Presets\\\\Party]")'));

    const linux = path.join(scratch, 'calm.reg');
    fs.writeFileSync(linux, 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets\\Calm]\n"FireWorkCount"=dword:00000003\n');
    await page.chooseFile('#preset-file', linux);
    check('a preset file of the savers is imported and chosen',
          await page.waitFor('Emberlux.page.api.presetName() === "Calm" && Emberlux.page.api.record().FireWorkCount === 3', 5000));
    check('...and listed', await page.evaluate('document.getElementById("preset-list").value === "Calm"'));

    const count = await page.evaluate('Emberlux.page.stats.frames');
    const start = Date.now();
    await sleep(3000);
    const rate = ((await page.evaluate('Emberlux.page.stats.frames')) - count) * 1000 / (Date.now() - start);
    console.log(`frame rate at 1280x720 (${await page.evaluate('Emberlux.page.stats.view')}): ${rate.toFixed(1)} frames/s`);
  });

  const blocked = `Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('blocked', 'SecurityError'); } });`;
  const blockedErrors = await withPage(url, async (page) => {
    check('blocked storage is said once', await page.waitFor(`${notice}.includes("keeps nothing")`, 5000), await page.evaluate(notice));
    await expectMovingFire(page, 'blocked storage');
  }, { script: blocked });
  check('blocked storage: no console errors', blockedErrors.length === 0, blockedErrors.join('; '));

  // Two presets with Random on: each visit moves on to the next, as each saver run does.
  const presets = 'HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets';
  const two = ['REGEDIT4', '', `[${presets}]`, '"RunPresetCycle"=dword:00000001', '"PrevRunPreset"=dword:00000001', '',
               `[${presets}\\One]`, '"FireWorkCount"=dword:00000001', '', `[${presets}\\Two]`, '"FireWorkCount"=dword:00000002', ''];
  await withPage(url, async (page) => {
    const first = await page.evaluate('Emberlux.page.api.presetName() + Emberlux.page.api.record().FireWorkCount');
    await page.navigate(url);
    await page.waitFor(ready, 20000);
    const second = await page.evaluate('Emberlux.page.api.presetName() + Emberlux.page.api.record().FireWorkCount');
    check('with Random on each visit moves on to the next preset', first === 'One1' && second === 'Two2', `${first}, then ${second}`);
  }, { hive: two.join('\n') });

  await withPage(url, async (page) => {
    check('stored settings that are no hive are said', await page.waitFor(`${notice}.includes("could not be read")`, 5000),
          await page.evaluate(notice));
    check('...kept aside, and the store starts again from the defaults', await page.evaluate(
      'localStorage.getItem("emberlux.registry.bad").includes("[no end") && localStorage.getItem("emberlux.registry").startsWith("REGEDIT4")'));
    await expectMovingFire(page, 'stored settings that are no hive');
  }, { hive: 'REGEDIT4\n[no end' });

  const full = `Storage.prototype.setItem = function () { throw new DOMException('full', 'QuotaExceededError'); };`;
  await withPage(url, async (page) => {
    // The first write is the preset cycling's, at the visit.
    check('full storage is said', await page.waitFor(`${notice}.includes("is full")`, 5000), await page.evaluate(notice));
    page.dialogAnswers.push('Party');
    await page.evaluate('document.getElementById("preset-save-as").click()');
    check('...a preset saved then is refused with a message',
          await page.waitFor(`${notice}.includes("could not be stored")`, 5000), await page.evaluate(notice));
    check('...and not listed',
          await page.evaluate('![...document.querySelectorAll("#preset-list option")].some((o) => o.value === "Party")'));
    await expectMovingFire(page, 'full storage');
  }, { script: full });
}

// Sound from the first click, the mute control, full screen, the pointer at
// rest, the fire stopped while the page is hidden, and a picture behind it.
async function theRest(url) {
  const errors = await withPage(url + '#FadeScreen=100', async (page) => {
    const audio = 'Emberlux.page.audio';
    check('no sound before the first click', (await page.evaluate(`${audio}.context`)) === null);
    for (const type of ['mousePressed', 'mouseReleased'])
      await page.send('Input.dispatchMouseEvent', { type, x: 100, y: 100, button: 'left', clickCount: 1 });
    check('the first click starts the crackle through Web Audio',
          await page.waitFor(`${audio}.context.state === "running" && [...${audio}.voices.values()].some((v) => v.looped && v.node)`, 5000));
    await page.evaluate('document.getElementById("mute").click()');
    check('the mute control silences it', await page.evaluate(`${audio}.gain.gain.value === 0 && document.getElementById("mute").getAttribute("aria-pressed") === "true"`));
    await page.key('m');
    check('...and M gives the sound back', await page.evaluate(`${audio}.gain.gain.value === 1`));
    await page.key('f');
    check('F shows the page full screen', await page.waitFor('document.fullscreenElement !== null', 3000));
    await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: 300, y: 300 });
    check('the pointer shows while the mouse moves', await page.waitFor('!document.body.classList.contains("resting")', 2000));
    check('...and hides while it rests', await page.waitFor('document.body.classList.contains("resting")', 6000));

    const hide = (hidden) => page.evaluate(`(() => { Object.defineProperty(document, 'hidden', { configurable: true, get: () => ${hidden} });
      document.dispatchEvent(new Event('visibilitychange')); })()`);
    await hide(true);
    await sleep(300);
    const stopped = await page.evaluate('Emberlux.page.stats.frames');
    await sleep(1000);
    check('the fire stops while the page is hidden', (await page.evaluate('Emberlux.page.stats.frames')) === stopped);
    await hide(false);
    check('...and burns on when it shows again', await page.waitFor(`Emberlux.page.stats.frames > ${stopped} + 5`, 5000));

    const dark = await topGreen(page);
    await page.chooseFile('#picture-file', path.join(__dirname, '../../docs/config-effects.png'));
    const shown = await measureUntil(() => topGreen(page), (green) => green > dark + 20, 8000);
    check('a picture the user picks shows behind the fire', shown > dark + 20,
          `green ${dark.toFixed(0)} above the fire before, ${shown.toFixed(0)} after`);
  });
  check('sound, full screen, resting and hiding: no console errors', errors.length === 0, errors.join('; '));
}

async function expectWebGl(url) {
  const errors = await withPage(url, async (page) => {
    check('WebGL: the page draws through it when asked', (await page.evaluate('Emberlux.page.stats.view')) === 'webgl');
    await expectMovingFire(page, 'WebGL');
  });
  check('WebGL: no console errors', errors.length === 0, errors.join('; '));
}

// The share of the burning pixels that equal their right neighbour in pairs
// (2k, 2k + 1): all of them when a field of half the size is scaled up by
// repeating its pixels, far fewer when it is blended.
function repeatedPairs({ rgba }, width, height) {
  let same = 0, lit = 0;
  for (let y = Math.floor(height * 0.75); y < height; ++y)
    for (let x = 0; x + 1 < width * 0.6; x += 2) {
      const at = 4 * (y * width + x);
      if (rgba[at] + rgba[at + 1] < 60) continue;
      ++lit;
      if (rgba[at] === rgba[at + 4] && rgba[at + 1] === rgba[at + 5] && rgba[at + 2] === rgba[at + 6]) ++same;
    }
  return lit ? same / lit : 1;
}

// Detail Half: a field of half the window's size, scaled up smoothly.
async function expectScaledFire(url, label) {
  const errors = await withPage(url + '#RenderScale=2', async (page) => {
    const field = await page.evaluate('[Emberlux.page.api.fieldWidth(), Emberlux.page.api.fieldHeight()].join("x")');
    check(label + ' at Detail Half: the field is half the window', field === '640x360', field);
    await expectMovingFire(page, label + ' at Detail Half');
    const share = repeatedPairs(await look(page), 1280, 720);
    check(label + ' at Detail Half: the fire is scaled up smoothly', share < 0.5,
          `${(share * 100).toFixed(0)}% of the pixel pairs repeat`);
  });
  check(label + ' at Detail Half: no console errors', errors.length === 0, errors.join('; '));
}

checks.run(async () => {
  for (const [name, url] of Object.entries(targets)) await basics(name, url);
  await theRest(targets['single file']);
  await expectWebGl(targets['page folder'] + '?canvas=webgl');
  await expectScaledFire(targets['page folder'] + '?canvas=webgl', 'WebGL');
  await expectScaledFire(targets['page folder'] + '?canvas=2d', '2D canvas');
  await repairsAndStorage(targets['single file']);
}, () => fs.rmSync(scratch, { recursive: true, force: true }));
