// Decodes the PNG files kvir-cli writes (8-bit RGB or RGBA, not interlaced) into RGBA pixels,
// with node's own zlib: the pictures are compared against a decoder the module does not share.
'use strict';
const zlib = require('zlib');

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

function decodePng(bytes) {
  let width = 0, height = 0, channels = 0;
  const data = [];
  for (let at = 8; at < bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('not 8-bit non-interlaced');
      channels = { 2: 3, 6: 4 }[body[9]];
      if (!channels) throw new Error('colour type ' + body[9]);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = y * (stride + 1) + 1, at = y * stride, up = at - stride;
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? rows[at + x - channels] : 0;
      const b = y > 0 ? rows[up + x] : 0;
      let predicted = 0;
      if (filter === 1) predicted = a;
      else if (filter === 2) predicted = b;
      else if (filter === 3) predicted = (a + b) >> 1;
      else if (filter === 4) predicted = paeth(a, b, x >= channels && y > 0 ? rows[up + x - channels] : 0);
      rows[at + x] = (raw[line + x] + predicted) & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4, 0xff);
  for (let i = 0; i < width * height; ++i) rows.copy(rgba, i * 4, i * channels, i * channels + 3);
  return { width, height, rgba };
}

module.exports = { decodePng };
