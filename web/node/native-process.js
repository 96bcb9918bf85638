// SPDX-License-Identifier: GPL-2.0-or-later
// A Node program sees its process as a native one does: getenv finds the
// process's environment (XDG_CONFIG_HOME, HOME, TMPDIR, the locale) and
// nothing the runtime would otherwise make up (a LANG, a USER, a HOME of its
// own), and isatty tells a terminal from a pipe or a file.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  for (const name of ['USER', 'LOGNAME', 'PATH', 'PWD', 'HOME', 'LANG', '_']) ENV[name] = undefined;
  Object.assign(ENV, process.env);
});
Module['onRuntimeInitialized'] = function () {
  for (let fd = 0; fd < 3; ++fd) FS.streams[fd].tty = require('tty').isatty(fd);
};
