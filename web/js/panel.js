// SPDX-License-Identifier: GPL-2.0-or-later
// The settings panel: hidden until asked for; the presets (the list, save
// as, save, delete, Random among the settings, import and export of a preset
// file), the controls generated from the settings table, and the picture
// the fire burns in front of.
var Emberlux = window.Emberlux || {};

Emberlux.Panel = class {
  constructor(page) {
    this.page = page;
    this.element = document.getElementById('panel');
    this.list = document.getElementById('preset-list');
    this.controls = new Emberlux.Controls(document.getElementById('pages'), document.getElementById('page-bodies'),
                                          (name, value) => page.change(name, value), () => this.pick('palette'));
    this.files = {};
    for (const kind of ['preset', 'picture', 'palette']) this.files[kind] = document.getElementById(kind + '-file');
    this.wire();
  }

  get open() { return !this.element.hidden; }

  toggle(shown = !this.open) {
    this.element.hidden = !shown;
    if (shown) this.element.querySelector('button, select, input').focus();
  }

  build() {
    this.controls.build(this.page.api.table(), this.page.api.palettes());
    this.load();
  }

  // The record and the preset list as they are now.
  load() {
    this.controls.load(this.page.api.record());
    const current = this.page.api.presetName();
    this.list.replaceChildren(new Option('-- Default --', ''));
    for (const name of this.page.api.presets()) this.list.append(new Option(name, name, false, name === current));
    if (!current) this.list.value = '';
    document.getElementById('preset-save').disabled = document.getElementById('preset-delete').disabled = !current;
  }

  pick(kind) {
    this.files[kind].value = '';
    this.files[kind].click();
  }

  wire() {
    const on = (id, event, handler) => document.getElementById(id).addEventListener(event, handler);
    on('close-settings', 'click', () => this.toggle(false));
    on('preset-list', 'change', () => this.page.choosePreset(this.list.value));
    on('preset-save', 'click', () => this.page.savePreset());
    on('preset-save-as', 'click', () => {
      const name = window.prompt('Enter preset name:', this.page.api.presetName());
      if (name !== null) this.page.savePresetAs(name);
    });
    on('preset-delete', 'click', () => {
      if (window.confirm('Are you sure to delete this preset?')) this.page.deletePreset();
    });
    on('preset-export', 'click', () => this.page.exportPreset());
    on('preset-import', 'click', () => this.pick('preset'));
    on('picture-pick', 'click', () => this.pick('picture'));
    on('picture-clear', 'click', () => this.page.clearPicture());
    const uses = { preset: (file) => this.page.importPreset(file), picture: (file) => this.page.showPicture(file),
                   palette: (file) => this.page.openPalette(file) };
    for (const [kind, use] of Object.entries(uses))
      this.files[kind].addEventListener('change', () => { if (this.files[kind].files[0]) use(this.files[kind].files[0]); });
  }
};
