// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the PNG pictures Chromium's screenshots are (8-bit RGB or RGBA, not
// interlaced) into RGBA pixels, for the page's tests to look at.
'use strict';
const zlib = require('zlib');

function readPng(bytes) {
  let at = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at), type = bytes.toString('ascii', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0 || (body[9] !== 2 && body[9] !== 6)) throw new Error('unexpected PNG format');
      channels = body[9] === 6 ? 4 : 3;
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels, rows = Buffer.alloc(stride * height), rgba = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? rows[y * stride + x - channels] : 0, b = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      rows[y * stride + x] = (line[x] + predicted) & 255;
    }
  }
  for (let i = 0; i < width * height; ++i) {
    for (let k = 0; k < 3; ++k) rgba[4 * i + k] = rows[i * channels + k];
    rgba[4 * i + 3] = channels === 4 ? rows[i * channels + 3] : 255;
  }
  return { width, height, rgba };
}

module.exports = { readPng };
