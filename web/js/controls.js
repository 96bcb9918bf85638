// SPDX-License-Identifier: GPL-2.0-or-later
// The settings panel's controls, generated from the settings table the module
// hands over: one control per setting the page offers, on the page, under the
// label and over the range the table gives (a switch for a 0-to-1 setting, a
// slider for any other number, the lines of a text, the palette files for a
// palette, with a button that opens a palette file), each telling
// `changed(name, value)` when the user moves it.
var Emberlux = window.Emberlux || {};

Emberlux.Controls = class {
  constructor(tabs, bodies, changed, openPalette) {
    this.tabs = tabs;
    this.bodies = bodies;
    this.changed = changed;
    this.openPalette = openPalette;
    this.inputs = new Map();
  }

  build(table, palettes) {
    this.tabs.replaceChildren();
    this.bodies.replaceChildren();
    this.inputs.clear();
    const pages = new Map();
    for (const setting of table) {
      const page = setting.page || 'Settings';
      if (!pages.has(page)) pages.set(page, this.addPage(page));
      pages.get(page).append(this.control(setting, palettes));
    }
    this.showPage(this.tabs.firstChild);
  }

  addPage(title) {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.textContent = title;
    const body = document.createElement('div');
    body.setAttribute('role', 'tabpanel');
    tab.body = body;
    tab.addEventListener('click', () => this.showPage(tab));
    this.tabs.append(tab);
    this.bodies.append(body);
    return body;
  }

  showPage(chosen) {
    for (const tab of this.tabs.children) {
      tab.setAttribute('aria-selected', tab === chosen ? 'true' : 'false');
      tab.body.hidden = tab !== chosen;
    }
  }

  control(setting, palettes) {
    const label = document.createElement('label');
    label.className = 'setting';
    const caption = document.createElement('span');
    caption.textContent = setting.label || setting.name;
    let input;
    if (setting.name === 'Palette') {
      input = document.createElement('select');
      input.append(new Option('-- Default --', ''));
      for (const name of palettes) input.append(new Option(name.replace(/\.pal$/i, ''), name));
    } else if (setting.type === 'string') {
      input = document.createElement('textarea');
      input.rows = 3;
    } else {
      input = document.createElement('input');
      const range = setting.range || setting;
      if (range.min === 0 && range.max === 1) {
        input.type = 'checkbox';
        label.classList.add('switch');
      } else {
        input.type = 'range';
        input.min = range.min;
        input.max = range.max;
        input.output = document.createElement('span');
        input.output.className = 'value';
        caption.append(input.output);
      }
    }
    input.dataset.setting = setting.name;
    input.setting = setting;
    input.addEventListener(input.type === 'range' || input.tagName === 'TEXTAREA' ? 'input' : 'change', () => {
      this.showValue(input);
      this.changed(setting.name, this.valueOf(input));
    });
    this.inputs.set(setting.name, input);
    if (input.type === 'checkbox') label.append(input, caption);
    else label.append(caption, input);
    if (setting.name === 'Palette') label.append(this.paletteButton());
    return label;
  }

  paletteButton() {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = 'Open a palette file...';
    button.addEventListener('click', this.openPalette);
    return button;
  }

  valueOf(input) {
    if (input.type === 'checkbox') return input.checked ? 1 : 0;
    if (input.type === 'range') return Number(input.value);
    if (input.tagName === 'TEXTAREA') return input.value.split('\n').filter((line) => line).map((line) => line + '\n').join('');
    return input.value;
  }

  showValue(input) {
    if (input.output) input.output.textContent = input.value;
  }

  // Puts the record's values into the controls.
  load(record) {
    for (const [name, input] of this.inputs) {
      const value = record[name];
      if (input.type === 'checkbox') input.checked = value !== 0;
      else if (input.tagName === 'TEXTAREA') input.value = String(value).replace(/\n$/, '');
      else input.value = value;
      this.showValue(input);
    }
  }
};
