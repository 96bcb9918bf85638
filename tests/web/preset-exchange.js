// SPDX-License-Identifier: GPL-2.0-or-later
// A preset made on the page loads in the Linux saver to the same frames: the
// page's module (under Node) takes settings from an address, saves them as a
// preset and exports it; the Linux emberlux-frames loads the file as its hive
// and burns exactly the frames of those settings given one by one, and the
// WebAssembly emberlux-frames loads the same hive (found through
// XDG_CONFIG_HOME, as on Linux) to the same frames too.
// Usage: node preset-exchange.js WEB_BUILD_DIR LINUX_BUILD_DIR
//        (ends with "web-presets: N passed, N failed")
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Checks } = require('./checks.js');

const web = path.resolve(process.argv[2] || 'build/web');
const linux = path.resolve(process.argv[3] || 'build/linux-release');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'emberlux-presets-'));
const checks = new Checks('web-presets');
const check = checks.check.bind(checks);

// The palettes where the hive's InstallPath says the program's data is.
function installFolder() {
  const folder = path.join(scratch, 'install');
  fs.mkdirSync(path.join(folder, 'Palettes'), { recursive: true });
  const samples = path.join(__dirname, '../../resources/palettes');
  for (const name of fs.readdirSync(samples).filter((n) => n.endsWith('.pal')))
    fs.copyFileSync(path.join(samples, name), path.join(folder, 'Palettes', name));
  return folder + '/';
}

function frames(program, args, env = {}) {
  return execFileSync(program, [...args, '--size', '160x120', '--frames', '80', '--seed', '5', '--hash'],
                      { env: { ...process.env, ...env }, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
}

checks.run(async () => {
  let stored = '';  // the browser's storage
  const module = await require(path.join(web, 'page/emberlux.js'))({
    readHive: () => stored,
    keepHive: (text) => { stored = text; return true; },
  });
  const call = (name, result, types, ...args) => module.cwrap('ember_' + name, result, types)(...args);
  const address = 'FireWorkCount=12&CycleColors=1&TransitionOn=0&OlympicRings=0&FireTextEnable=1&FireText=Ember%0ALux' +
                  '&FireTextOrbit=2&Palette=Ice.pal&FadeScreen=0&SparklesCount=900';
  call('start', 'string', ['string'], address);
  check('the page saves the preset', call('save_preset_as', 'string', ['string'], 'Shared') === '');
  const record = JSON.parse(call('record', 'string', []));
  const exported = call('export_preset', 'string', []);
  check('the export is a hive file with the preset', exported.startsWith('REGEDIT4\n') &&
        exported.includes('[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets\\Shared]'));

  const install = installFolder();
  const config = path.join(scratch, 'config');
  fs.mkdirSync(path.join(config, 'emberlux'), { recursive: true });
  const root = '[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!]\n';
  fs.writeFileSync(path.join(config, 'emberlux/registry.reg'),
                   exported.replace(root, root + `"InstallPath"="${install.replace(/\\/g, '\\\\')}"\n`));
  const hive = { XDG_CONFIG_HOME: config };

  const sets = [];
  for (const [name, value] of Object.entries(record)) {
    const text = name === 'Palette' ? install + 'Palettes/' + value : String(value).replace(/\n/g, '\\n');
    sets.push('--set', name + '=' + text);
  }
  const webFrames = path.join(web, 'tools/frames/emberlux-frames'), linuxFrames = path.join(linux, 'tools/frames/emberlux-frames');
  const loaded = frames(linuxFrames, ['--load', 'Shared'], hive);
  check('the Linux build loads the page\'s preset', loaded.split('\n').length === 81);
  check('...to the frames of the page\'s settings', loaded === frames(webFrames, sets));
  check('...and the same settings in the Linux build draw them too', loaded === frames(linuxFrames, sets));
  check('the WebAssembly renderer loads the hive through XDG_CONFIG_HOME to the same frames',
        loaded === frames(webFrames, ['--load', 'Shared'], hive));
  check('...which differ from a new installation\'s', loaded !== frames(linuxFrames, []));
}, () => fs.rmSync(scratch, { recursive: true, force: true }));
