// SPDX-License-Identifier: GPL-2.0-or-later
// The checks of a test script: one line for each, and at the end the line the
// test command counts, "NAME: N passed, N failed".
'use strict';

class Checks {
  constructor(name) {
    this.name = name;
    this.passed = 0;
    this.failed = 0;
  }

  check(label, ok, detail = '') {
    if (ok) ++this.passed;
    else ++this.failed;
    console.log((ok ? 'ok: ' : 'FAILED: ') + label + (ok || !detail ? '' : ' (' + detail + ')'));
  }

  // Runs `body`, counting an exception as a failed check, then ends the process with the count.
  async run(body, cleanUp) {
    try {
      await body();
    } catch (error) {
      this.check('the run ends', false, error.stack);
    } finally {
      cleanUp();
      console.log(`${this.name}: ${this.passed} passed, ${this.failed} failed`);
      process.exit(this.failed ? 1 : 0);
    }
  }
}

module.exports = { Checks };
