// SPDX-License-Identifier: GPL-2.0-or-later
// The page: starts the module's run from the browser's storage and the
// address, burns at the savers' 40 frames a second while the page is shown,
// keeps the address up to date with the settings, and answers the keys, the
// buttons, the panel and pictures dropped on the fire.
var Emberlux = window.Emberlux || {};

Emberlux.kFrameMs = 25;  // the savers' 40 frames a second
Emberlux.kRestMs = 2500;  // the pointer and the buttons hide when the mouse rests this long
Emberlux.kSettleMs = 300;  // a new window size, or a changed setting, must hold this long before the fire is rebuilt

Emberlux.Page = class {
  constructor(module, storage, audio, notice) {
    this.api = Emberlux.api(module);
    this.storage = storage;
    this.audio = audio;
    this.notice = notice;
    // "?canvas=2d" or "?canvas=webgl" in the address chooses how the fire is drawn.
    const canvas = /[?&]canvas=(\w+)/.exec(window.location.search);
    this.view = new Emberlux.FireView(document.getElementById('fire'), canvas ? canvas[1] : 'auto');
    this.stats = { frames: 0, view: this.view.kind };
    this.nextFrame = 0;
    this.loop = 0;
    this.settling = 0;
  }

  start() {
    const stored = this.storage.read('emberlux.registry') || '';
    const started = this.api.start(this.addressText());
    if (started.storeRefused) {
      this.storage.write('emberlux.registry.bad', stored);
      this.notice.show('The stored settings could not be read (' + started.storeRefused + '): they were set aside and the fire starts from the defaults.');
    }
    this.tellRepairs(started.notices);
    this.restorePalettes();
    this.panel = new Emberlux.Panel(this);
    this.panel.build();
    this.view.fitToWindow();
    this.build(() => this.api.resize(this.view.canvas.width, this.view.canvas.height));
    this.showAddress();
    this.wire();
    this.run(!document.hidden);
  }

  addressText() { return window.location.hash.slice(1); }

  tellRepairs(notices) {
    if (notices.length) this.notice.show('The address was repaired: ' + notices.join('; ') + '.');
  }

  // Makes the engine by `make` and hands the view its new field.
  build(make) {
    if (!make()) this.notice.show('The fire cannot burn at this size with these settings.');
    else if (this.api.paletteFellBack())
      this.notice.show('The palette ' + this.api.record().Palette + ' is not among this page\'s palettes: the built-in one burns.');
    this.view.setFieldSize(this.api.fieldWidth(), this.api.fieldHeight());
    this.paletteDue = true;
  }

  rebuildSoon() {
    clearTimeout(this.settling);
    this.settling = setTimeout(() => this.build(() => this.api.rebuild()), Emberlux.kSettleMs);
  }

  run(shown) {
    cancelAnimationFrame(this.loop);
    this.audio.pause(!shown);
    if (!shown) return;
    this.nextFrame = performance.now();
    const tick = (now) => {
      this.loop = requestAnimationFrame(tick);
      if (now + 1 < this.nextFrame) return;
      this.nextFrame = Math.max(this.nextFrame + Emberlux.kFrameMs, now - Emberlux.kFrameMs);
      this.frame();
    };
    this.loop = requestAnimationFrame(tick);
  }

  frame() {
    if (!this.api.step()) return;
    const heap = this.api.module.HEAPU8;
    const size = this.api.fieldWidth() * this.api.fieldHeight();
    const changed = this.api.paletteChanged() || this.paletteDue;
    this.paletteDue = false;
    if (this.view.kind === 'webgl') {
      const palette = changed ? heap.subarray(this.api.palette(), this.api.palette() + 1024) : null;
      this.view.draw(heap.subarray(this.api.frame(), this.api.frame() + size), palette);
    } else {
      const at = this.api.frameRgba();
      this.view.draw(heap.subarray(at, at + 4 * size), null);
    }
    ++this.stats.frames;
  }

  // The address carries what differs from a new installation.
  showAddress() {
    const address = this.api.address();
    this.shownAddress = address;
    try {
      window.history.replaceState(null, '', address ? '#' + address : window.location.pathname + window.location.search);
    } catch (e) {
      // Some hosts of a page from disk refuse to change its address; the fire goes on.
    }
  }

  change(name, value) {
    if (name === 'RunPresetCycle') {
      this.api.setRandom(value);
      return;
    }
    const set = typeof value === 'number' ? this.api.setInt(name, value) : this.api.setString(name, value);
    if (!set) this.notice.show('The text keeps at most 255 bytes: that line was not taken.');
    this.panel.controls.load(this.api.record());
    this.showAddress();
    this.rebuildSoon();
  }

  afterPresetChange(done, failure) {
    if (!done) this.notice.show(failure);
    this.panel.load();
    this.showAddress();
    this.rebuildSoon();
  }

  choosePreset(name) { this.afterPresetChange(this.api.selectPreset(name), 'That preset could not be loaded.'); }
  savePreset() { this.afterPresetChange(this.api.savePreset(), 'The preset could not be stored.'); }
  deletePreset() { this.afterPresetChange(this.api.deletePreset(), 'The default preset stays.'); }
  savePresetAs(name) {
    const why = this.api.savePresetAs(name);
    this.afterPresetChange(!why, why);
  }

  exportPreset() {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([this.api.exportPreset()], { type: 'text/plain' }));
    link.download = (this.api.presetName() || 'Default preset') + '.reg';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  async importPreset(file) {
    const why = this.api.importPreset(await file.text());
    if (why) this.notice.show(file.name + ': ' + why + '; the settings stay as they were.');
    else this.afterPresetChange(true);
  }

  async openPalette(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const name = this.api.hand(bytes) ? this.api.addPalette(file.name) : '!there is no room for it';
    if (name.startsWith('!')) {
      this.notice.show(name.slice(1) + '; the palette stays as it was.');
      return;
    }
    const kept = JSON.parse(this.storage.read('emberlux.palettes') || '{}');
    kept[name] = btoa(String.fromCharCode(...bytes));
    this.storage.write('emberlux.palettes', JSON.stringify(kept));
    this.panel.build();
    this.change('Palette', name);
    this.panel.load();
  }

  restorePalettes() {
    let kept = {};
    try {
      kept = JSON.parse(this.storage.read('emberlux.palettes') || '{}');
    } catch (e) {
      return;
    }
    for (const [name, text] of Object.entries(kept))
      if (this.api.hand(Uint8Array.from(atob(text), (c) => c.charCodeAt(0)))) this.api.addPalette(name);
  }

  // The picture is drawn over the whole output, cut to its shape, as the screen the savers photograph.
  async showPicture(file) {
    let bitmap;
    try {
      bitmap = await createImageBitmap(file);
    } catch (e) {
      this.notice.show(file.name + ' is no picture this browser can show.');
      return;
    }
    const { width, height } = this.view.canvas;
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    const context = canvas.getContext('2d');
    const scale = Math.max(width / bitmap.width, height / bitmap.height);
    context.drawImage(bitmap, (width - bitmap.width * scale) / 2, (height - bitmap.height * scale) / 2,
                      bitmap.width * scale, bitmap.height * scale);
    const pixels = context.getImageData(0, 0, width, height).data;
    if (!this.api.hand(pixels)) {
      this.notice.show('The picture is too large for this browser.');
      return;
    }
    this.build(() => this.api.setDesktop(width, height));
    if (!this.api.record().FadeScreen) this.notice.show('Desktop Screen is off: the picture shows once it is turned on.');
  }

  clearPicture() { this.build(() => this.api.setDesktop(0, 0)); }

  toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen().catch(() => {});
  }

  toggleMute() {
    this.audio.setMuted(!this.audio.muted);
    document.getElementById('mute').setAttribute('aria-pressed', String(this.audio.muted));
    this.storage.write('emberlux.muted', this.audio.muted ? '1' : '0');
  }

  wire() {
    const button = (id, action) => document.getElementById(id).addEventListener('click', action);
    button('open-settings', () => this.panel.toggle());
    button('full-screen', () => this.toggleFullScreen());
    button('mute', () => this.toggleMute());
    if (this.storage.read('emberlux.muted') === '1') this.toggleMute();
    const unlock = () => this.audio.unlock();
    window.addEventListener('pointerdown', unlock);
    window.addEventListener('keydown', (event) => {
      unlock();
      if (event.target.closest('input, textarea, select') || event.ctrlKey || event.altKey || event.metaKey) return;
      const key = event.key.toLowerCase();
      if (key === 's') this.panel.toggle();
      else if (key === 'f') this.toggleFullScreen();
      else if (key === 'm') this.toggleMute();
      else if (key === 'escape') this.panel.toggle(false);
    });
    document.addEventListener('visibilitychange', () => this.run(!document.hidden));
    window.addEventListener('resize', () => {
      if (!this.view.fitToWindow()) return;
      clearTimeout(this.settling);
      this.settling = setTimeout(() => this.build(() => this.api.resize(this.view.canvas.width, this.view.canvas.height)),
                                 Emberlux.kSettleMs);
    });
    window.addEventListener('hashchange', () => {
      if (this.addressText() === this.shownAddress) return;
      this.tellRepairs(this.api.followAddress(this.addressText()).notices);
      this.panel.load();
      this.showAddress();
      this.rebuildSoon();
    });
    let resting = 0;
    const rest = () => {
      document.body.classList.remove('resting');
      clearTimeout(resting);
      resting = setTimeout(() => { if (!this.panel.open) document.body.classList.add('resting'); }, Emberlux.kRestMs);
    };
    window.addEventListener('pointermove', rest);
    rest();
    window.addEventListener('dragover', (event) => event.preventDefault());
    window.addEventListener('drop', (event) => {
      event.preventDefault();
      const file = event.dataTransfer.files[0];
      if (file) this.showPicture(file);
    });
  }
};

(function () {
  const notice = new Emberlux.Notice(document.getElementById('notice'));
  const storage = new Emberlux.Storage((text) => notice.show(text));
  const audio = new Emberlux.AudioOutput();
  createEmberluxModule({
    audio,
    readHive: () => storage.read('emberlux.registry'),
    keepHive: (text) => storage.write('emberlux.registry', text),
  }).then((module) => {
    Emberlux.page = new Emberlux.Page(module, storage, audio, notice);
    Emberlux.page.start();
  });
})();
