// SPDX-License-Identifier: GPL-2.0-or-later
// The one-line notice at the top of the page: what was repaired, refused or
// could not be kept. It stays a few seconds; a new one replaces it, and those
// of one action (the storage is full, so the preset is not saved) share it.
var Emberlux = window.Emberlux || {};

Emberlux.Notice = class {
  constructor(element) {
    this.element = element;
    this.timer = 0;
    this.texts = [];
  }

  show(text) {
    if (!this.texts.length) queueMicrotask(() => this.flush());
    this.texts.push(text);
  }

  flush() {
    this.element.textContent = this.texts.join(' ');
    this.texts = [];
    this.element.classList.add('shown');
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.element.classList.remove('shown'), 8000);
  }
};
