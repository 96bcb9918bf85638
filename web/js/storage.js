// SPDX-License-Identifier: GPL-2.0-or-later
// The browser's storage of the page: the settings hive and the palettes the
// user opened. Storage that is blocked (private windows, a file:// page in
// some browsers) or full leaves the page working on what it holds in memory,
// and says so once.
var Emberlux = window.Emberlux || {};

Emberlux.Storage = class {
  constructor(tell) {
    this.tell = tell;
    this.told = false;
    try {
      this.area = window.localStorage;
      this.area.getItem('emberlux.probe');
    } catch (e) {
      this.area = null;
      this.report('The browser keeps nothing for this page (its storage is blocked): the settings last until it closes.');
    }
  }

  report(text) {
    if (this.told) return;
    this.told = true;
    this.tell(text);
  }

  read(key) {
    if (!this.area) return null;
    try {
      return this.area.getItem(key);
    } catch (e) {
      return null;
    }
  }

  // True when kept, or when the storage is blocked (the page then keeps it in memory only).
  write(key, text) {
    if (!this.area) return true;
    try {
      this.area.setItem(key, text);
      return true;
    } catch (e) {
      this.report("The browser's storage for this page is full: this change could not be kept.");
      return false;
    }
  }
};
