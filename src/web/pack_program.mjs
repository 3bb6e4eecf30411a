// Packs the program's WebAssembly inside the built page with gzip: the page is one file that opens
// from disk, and the code in it, base64 for HTML, takes less than half the room. The page's own
// script unpacks it with the browser's DecompressionStream.
//
// node pack_program.mjs convex-hull.html

import { readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';

const [pagePath] = process.argv.slice(2);
const page = readFileSync(pagePath, 'utf8');
const prefix = 'wasmBinaryFile="data:application/octet-stream;base64,';
const start = page.indexOf(prefix) + prefix.length;
const end = page.indexOf('"', start);
const placeholder = "'@PACKED_PROGRAM@'";
if (start < prefix.length || end < 0 || page.split(placeholder).length !== 2) {
  console.error(`${pagePath}: no program to pack, or no single place to pack it`);
  process.exit(1);
}
const code = Buffer.from(page.slice(start, end), 'base64');
const packed = gzipSync(code, { level: 9 }).toString('base64');
writeFileSync(pagePath, (page.slice(0, start) + page.slice(end)).replace(placeholder, `'${packed}'`));
