// SPDX-License-Identifier: GPL-2.0-or-later
// The settings panel's controls, generated from the settings table the module
// hands over (tools/settings: the pages of the configuration sheet with their
// titles, and for every setting offered its range and the sheet's control,
// box, heading, label and end labels): a tab per page, a box per box, and for
// each setting its kind of control, each telling `changed(name, value)` when
// the user moves it. The settings the sheet has no page for go on a last tab.
var Emberlux = window.Emberlux || {};

Emberlux.Controls = class {
  constructor(tabs, bodies, changed, openPalette) {
    this.tabs = tabs;
    this.bodies = bodies;
    this.changed = changed;
    this.openPalette = openPalette;
    this.controls = new Map();
  }

  build(table, palettes) {
    this.tabs.replaceChildren();
    this.bodies.replaceChildren();
    this.controls.clear();
    const pages = new Map(table.pages.map((page) => [page.page, { body: this.addPage(page.title), boxes: new Map() }]));
    for (const setting of table.settings) {
      if (!pages.has(setting.page)) pages.set(setting.page, { body: this.addPage('More'), boxes: new Map() });
      this.place(pages.get(setting.page), setting).append(this.control(setting, palettes));
    }
    this.showPage(this.tabs.firstChild);
  }

  addPage(title) {
    const tab = this.element('button', '', title);
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.body = this.element('div');
    tab.body.setAttribute('role', 'tabpanel');
    tab.addEventListener('click', () => this.showPage(tab));
    this.tabs.append(tab);
    this.bodies.append(tab.body);
    return tab.body;
  }

  showPage(chosen) {
    for (const tab of this.tabs.children) {
      tab.setAttribute('aria-selected', String(tab === chosen));
      tab.body.hidden = tab !== chosen;
    }
  }

  // The box of the page the setting stands in, under its heading.
  place(page, setting) {
    const name = setting.box || '';
    if (!page.boxes.has(name)) {
      const box = this.element('fieldset');
      if (name) box.append(this.element('legend', '', name));
      page.body.append(box);
      page.boxes.set(name, { box, heading: null });
    }
    const entry = page.boxes.get(name);
    if (setting.heading && setting.heading !== entry.heading) entry.box.append(this.element('h3', '', setting.heading));
    entry.heading = setting.heading;
    return entry.box;
  }

  control(setting, palettes) {
    const make = { slider: this.slider, check: this.check, clearedCheck: this.check, choice: this.choice,
                   lines: this.lines, palette: this.palette }[setting.kind];
    const control = make.call(this, setting, palettes);
    control.element.dataset.setting = setting.name;
    control.setting = setting;
    this.controls.set(setting.name, control);
    const tell = () => this.changed(setting.name, control.value());
    control.element.addEventListener(control.live ? 'input' : 'change', tell);
    return control.element;
  }

  // A control's own label, where the box or heading does not name it already.
  caption(setting) { return this.element('span', 'caption', setting.label || ''); }

  slider(setting) {
    const element = this.element('label', 'setting slider');
    const input = this.element('input');
    Object.assign(input, { type: 'range', min: setting.min, max: setting.max });
    const shown = this.element('span', 'value');
    const row = this.element('span', 'row');
    row.append(this.element('span', 'end', setting.lowLabel ?? String(setting.min)), input,
               this.element('span', 'end', setting.highLabel ?? String(setting.max)), shown);
    element.append(this.caption(setting), row);
    input.addEventListener('input', () => { shown.textContent = input.value; });
    return { element, live: true, value: () => Number(input.value),
             show: (value) => { input.value = value; shown.textContent = input.value; } };
  }

  // A box: ticked its highest value, or its lowest for a cleared one (Mute).
  check(setting) {
    const element = this.element('label', 'setting switch');
    const input = this.element('input');
    input.type = 'checkbox';
    element.append(input, this.caption(setting));
    const ticked = setting.kind === 'clearedCheck' ? setting.min : setting.max;
    const clear = setting.kind === 'clearedCheck' ? setting.max : setting.min;
    return { element, value: () => (input.checked ? ticked : clear), show: (value) => { input.checked = value === ticked; } };
  }

  // One button per offered choice (an empty label is not offered), for the values from the lowest up.
  choice(setting) {
    const element = this.element('div', 'setting choice');
    element.setAttribute('role', 'radiogroup');
    element.append(this.caption(setting));
    const buttons = [];
    setting.choices.split('|').forEach((label, i) => {
      if (!label) return;
      const option = this.element('label');
      const input = this.element('input');
      Object.assign(input, { type: 'radio', name: setting.name, value: setting.min + i });
      option.append(input, label);
      element.append(option);
      buttons.push(input);
    });
    return { element, value: () => Number((buttons.find((b) => b.checked) || { value: setting.min }).value),
             show: (value) => buttons.forEach((b) => { b.checked = Number(b.value) === value; }) };
  }

  // The lines of the text, one a line; the record keeps each ended by a line feed.
  lines(setting) {
    const element = this.element('label', 'setting lines');
    const input = this.element('textarea');
    input.rows = 3;
    element.append(this.caption(setting), input);
    return { element, live: true,
             value: () => input.value.split('\n').filter((line) => line).map((line) => line + '\n').join(''),
             show: (value) => { input.value = value.replace(/\n$/, ''); } };
  }

  // The palette files of the palette folder, and a button that opens one.
  palette(setting, palettes) {
    const element = this.element('div', 'setting palette');
    const input = this.element('select');
    input.append(new Option('-- Default --', ''));
    for (const name of palettes) input.append(new Option(name.replace(/\.pal$/i, ''), name));
    const open = this.element('button', '', 'Open a palette file...');
    open.type = 'button';
    open.addEventListener('click', this.openPalette);
    element.append(this.caption(setting), input, open);
    return { element, value: () => input.value, show: (value) => { input.value = value; } };
  }

  element(tag, className = '', text = '') {
    const element = document.createElement(tag);
    if (className) element.className = className;
    if (text) element.textContent = text;
    return element;
  }

  // Puts the record's values into the controls.
  load(record) {
    for (const [name, control] of this.controls) control.show(record[name]);
  }
};
