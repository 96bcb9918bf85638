// SPDX-License-Identifier: GPL-2.0-or-later
// The page's frame rate in headless Chromium at each size given (a figure for
// the README, not a test): emberlux.html from disk, the frames it burns over
// five seconds once it runs.
// Usage: node page-frame-rate.js BUILD_DIR WIDTHxHEIGHT... [--canvas=webgl|2d]
'use strict';
const path = require('path');
const { Browser } = require('./devtools.js');

(async () => {
  const [build, ...rest] = process.argv.slice(2);
  const canvas = rest.find((a) => a.startsWith('--canvas='));
  const url = 'file://' + path.resolve(build, 'emberlux.html') + (canvas ? '?' + canvas.slice(2) : '');
  for (const size of rest.filter((a) => !a.startsWith('--'))) {
    const [width, height] = size.split('x').map(Number);
    const browser = await Browser.launch();
    try {
      const page = await browser.open(url, width, height);
      if (!(await page.waitFor('window.Emberlux && Emberlux.page && Emberlux.page.stats.frames > 40', 30000)))
        throw new Error('the page did not start burning at ' + size);
      const rate = await page.evaluate(`new Promise((resolve) => {
        const start = performance.now(), frames = Emberlux.page.stats.frames;
        setTimeout(() => resolve((Emberlux.page.stats.frames - frames) * 1000 / (performance.now() - start)), 5000);
      })`);
      const field = await page.evaluate('Emberlux.page.api.fieldWidth() + "x" + Emberlux.page.api.fieldHeight()');
      console.log(`page at ${size} (field ${field}, ${await page.evaluate('Emberlux.page.stats.view')}): ${rate.toFixed(1)} frames/s`);
    } finally {
      await browser.close();
    }
  }
})().catch((error) => {
  console.error(error.message);
  process.exit(1);
});
