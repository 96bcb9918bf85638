// SPDX-License-Identifier: GPL-2.0-or-later
// A small client of Chromium's DevTools protocol over a pipe
// (--remote-debugging-pipe: the browser reads requests on its fd 3 and writes
// answers and events on its fd 4, each a JSON text ended by a zero byte): it
// starts a headless browser with a profile of its own, opens pages, and sends
// commands to them.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

class Browser {
  // Starts Debian's chromium headless, with no network of its own and a fresh profile.
  static async launch(extraFlags = []) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'emberlux-chromium-'));
    const flags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                   '--disable-background-networking', '--disable-component-update', '--disable-sync',
                   '--user-data-dir=' + profile, '--remote-debugging-pipe', ...extraFlags, 'about:blank'];
    const child = spawn(process.env.CHROMIUM || '/usr/bin/chromium', flags, { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    child.stderr.resume();
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', { discover: true });
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.next = 1;
    this.waiting = new Map();
    this.listeners = [];
    let pending = '';
    child.stdio[4].on('data', (chunk) => {
      pending += chunk.toString('utf8');
      let end;
      while ((end = pending.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(pending.slice(0, end)));
        pending = pending.slice(end + 1);
      }
    });
    this.exited = new Promise((resolve) => child.on('exit', resolve));
  }

  receive(message) {
    if (message.id !== undefined) {
      const { resolve, reject } = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) reject(new Error(message.error.message));
      else resolve(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.next++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    this.child.stdio[3].write(JSON.stringify(message) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject }));
  }

  // A new tab at `url`, with its console errors and exceptions collected.
  async open(url, width, height) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId, targetId);
    await Promise.all(['Page.enable', 'Runtime.enable', 'Log.enable'].map((method) => page.send(method)));
    await page.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: false });
    await page.navigate(url);
    return page;
  }

  async close() {
    this.send('Browser.close').catch(() => {});
    await Promise.race([this.exited, new Promise((resolve) => setTimeout(resolve, 5000))]);
    this.child.kill();
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

class Page {
  constructor(browser, sessionId, targetId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.targetId = targetId;
    this.errors = [];
    this.dialogAnswers = [];
    browser.listeners.push((message) => {
      if (message.sessionId !== sessionId) return;
      const { method, params } = message;
      if (method === 'Runtime.consoleAPICalled' && params.type === 'error')
        this.errors.push('console.error: ' + params.args.map((a) => a.value ?? a.description).join(' '));
      if (method === 'Runtime.exceptionThrown')
        this.errors.push('exception: ' + (params.exceptionDetails.exception?.description ?? params.exceptionDetails.text));
      if (method === 'Log.entryAdded' && params.entry.level === 'error')
        this.errors.push('log: ' + params.entry.text + (params.entry.url ? ' (' + params.entry.url + ')' : ''));
      if (method === 'Page.javascriptDialogOpening') {
        const answer = this.dialogAnswers.shift();
        this.send('Page.handleJavaScriptDialog', { accept: answer !== null, promptText: answer ?? '' });
      }
    });
  }

  send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

  // Loads `url` and waits until the new document has loaded: the old one is
  // marked first, so that no answer of the old one is taken for the new.
  async navigate(url, ms = 30000) {
    await this.send('Runtime.evaluate', { expression: 'window.emberluxLeft = true' });
    await this.send('Page.navigate', { url });
    if (!(await this.waitFor('!window.emberluxLeft && document.readyState === "complete"', ms)))
      throw new Error('the page did not load: ' + url);
  }

  // The value of a script expression (awaited when it is a promise).
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) throw new Error(expression + ': ' + (exceptionDetails.exception?.description ?? exceptionDetails.text));
    return result.value;
  }

  // Polls an expression until it is true or `ms` have passed; its last value.
  async waitFor(expression, ms) {
    const end = Date.now() + ms;
    for (;;) {
      const value = await this.evaluate(expression);
      if (value || Date.now() > end) return value;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }

  // Hands a file to an <input type="file">, as the user choosing it.
  async chooseFile(selector, file) {
    const { result } = await this.send('Runtime.evaluate', { expression: `document.querySelector(${JSON.stringify(selector)})` });
    await this.send('DOM.setFileInputFiles', { files: [file], objectId: result.objectId });
  }

  // A key pressed and let go: a character, or a named key with its Windows key code (ArrowRight 39).
  async key(key, keyCode = key.length === 1 ? key.toUpperCase().charCodeAt(0) : 0) {
    const text = key.length === 1 ? key : undefined;
    for (const type of ['keyDown', 'keyUp'])
      await this.send('Input.dispatchKeyEvent', { type, key, windowsVirtualKeyCode: keyCode, text: type === 'keyDown' ? text : undefined });
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  async close() { await this.browser.send('Target.closeTarget', { targetId: this.targetId }); }
}

module.exports = { Browser };
