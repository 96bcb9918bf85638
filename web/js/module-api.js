// SPDX-License-Identifier: GPL-2.0-or-later
// The module's exports (web/src/PageExports.cpp) as script functions, with
// strings and JSON turned into script values.
var Emberlux = window.Emberlux || {};

Emberlux.api = function (module) {
  const call = (name, result, ...args) => module.cwrap('ember_' + name, result, args);
  const json = (f) => (...args) => JSON.parse(f(...args));
  return {
    module,
    start: json(call('start', 'string', 'string')),
    followAddress: json(call('follow_address', 'string', 'string')),
    table: json(call('settings_table', 'string')),
    record: json(call('record', 'string')),
    address: call('address', 'string'),
    presetName: call('preset_name', 'string'),
    setInt: call('set_int', 'number', 'string', 'number'),
    setString: call('set_string', 'number', 'string', 'string'),
    resize: call('resize', 'number', 'number', 'number'),
    rebuild: call('rebuild', 'number'),
    step: call('step', 'number'),
    fieldWidth: call('field_width', 'number'),
    fieldHeight: call('field_height', 'number'),
    frame: call('frame', 'number'),
    frameRgba: call('frame_rgba', 'number'),
    paletteChanged: call('palette_changed', 'number'),
    palette: call('palette', 'number'),
    paletteFellBack: call('palette_fell_back', 'number'),
    presets: json(call('presets', 'string')),
    selectPreset: call('select_preset', 'number', 'string'),
    savePreset: call('save_preset', 'number'),
    savePresetAs: call('save_preset_as', 'string', 'string'),
    deletePreset: call('delete_preset', 'number'),
    setRandom: call('set_random', 'number', 'number'),
    exportPreset: call('export_preset', 'string'),
    importPreset: call('import_preset', 'string', 'string'),
    palettes: json(call('palettes', 'string')),
    addPalette: call('add_palette', 'string', 'string'),
    setDesktop: call('set_desktop', 'number', 'number', 'number'),
    // Copies bytes into the module for the call that follows.
    hand(bytes) {
      const at = module._ember_buffer(bytes.length);
      if (!at) return false;
      module.HEAPU8.set(bytes, at);
      return true;
    },
  };
};
