// Turns the 1:50m country outlines of Natural Earth (npm package world-atlas,
// countries-50m.json, TopoJSON) into the small text file the statistics map draws:
// land outlines and the borders between countries, clipped to the map's area plus a
// margin, in hundredths of a degree.
//
//   cd tools/mapdata && npm install && node convert.mjs > ../../data/map/europe.map
//
// Format, one item per line:
//   L x0 y0 dx1 dy1 dx2 dy2 ...   a closed land ring (the first point is not repeated)
//   B x0 y0 dx1 dy1 ...           an open border line between two countries
// x is the longitude and y the latitude, east and north positive, in 1/100 degree;
// the first point is absolute and every further one the difference to the point
// before it. Lines starting with "#" are comments.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import * as topojson from 'topojson-client';

const require = createRequire(import.meta.url);
const topo = JSON.parse(readFileSync(require.resolve('world-atlas/countries-50m.json'), 'utf8'));
const pkg = JSON.parse(readFileSync(require.resolve('world-atlas/package.json'), 'utf8'));

// The map shows 28 W .. 58 E and 20 N .. 80 N; the margin keeps every cut edge out of sight.
const MARGIN = 3;
const box = { w: -28 - MARGIN, e: 58 + MARGIN, s: 20 - MARGIN, n: 80 + MARGIN };
// Half a pixel of the 864 x 607 picture is about 0.05 degrees; 0.02 keeps the outline
// smooth even when the picture is saved larger.
const STEP = 0.02;

// Longitudes made continuous along a line, so that a ring across the date line does
// not jump by 360 degrees between two points.
function unwrap(points) {
  const out = [];
  let shift = 0;
  for (let i = 0; i < points.length; ++i) {
    let [x, y] = points[i];
    if (i > 0) {
      const prev = points[i - 1][0];
      if (x - prev > 180) shift -= 360;
      else if (x - prev < -180) shift += 360;
    }
    out.push([x + shift, y]);
  }
  return out;
}

// A ring unwrapped past 180 may belong to the area one turn further east or west.
function shifts(points) {
  const xs = points.map(p => p[0]);
  const min = Math.min(...xs), max = Math.max(...xs);
  const result = [];
  for (const s of [-360, 0, 360])
    if (max + s >= box.w && min + s <= box.e) result.push(s);
  return result;
}

// Sutherland-Hodgman against the four sides of the box.
function clipRing(ring) {
  const edges = [
    [p => p[0] >= box.w, (a, b) => cut(a, b, 0, box.w)],
    [p => p[0] <= box.e, (a, b) => cut(a, b, 0, box.e)],
    [p => p[1] >= box.s, (a, b) => cut(a, b, 1, box.s)],
    [p => p[1] <= box.n, (a, b) => cut(a, b, 1, box.n)],
  ];
  let pts = ring;
  for (const [inside, intersect] of edges) {
    if (pts.length === 0) break;
    const out = [];
    for (let i = 0; i < pts.length; ++i) {
      const cur = pts[i];
      const prev = pts[(i + pts.length - 1) % pts.length];
      if (inside(cur)) {
        if (!inside(prev)) out.push(intersect(prev, cur));
        out.push(cur);
      } else if (inside(prev)) {
        out.push(intersect(prev, cur));
      }
    }
    pts = out;
  }
  return pts;
}

function cut(a, b, axis, value) {
  const t = (value - a[axis]) / (b[axis] - a[axis]);
  const p = [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
  p[axis] = value;
  return p;
}

// Pieces of an open line inside the box; each piece keeps the first point outside on
// either end, which lies in the margin and so out of sight.
function clipLine(line) {
  const inBox = p => p[0] >= box.w && p[0] <= box.e && p[1] >= box.s && p[1] <= box.n;
  const pieces = [];
  let cur = [];
  for (let i = 0; i < line.length; ++i) {
    const p = line[i];
    if (inBox(p)) {
      if (cur.length === 0 && i > 0) cur.push(line[i - 1]);
      cur.push(p);
    } else if (cur.length > 0) {
      cur.push(p);
      pieces.push(cur);
      cur = [];
    }
  }
  if (cur.length > 0) pieces.push(cur);
  return pieces.filter(p => p.length >= 2);
}

function quantise(points, closed) {
  const out = [];
  for (const [x, y] of points) {
    const q = [Math.round(x / STEP) * Math.round(STEP * 100), Math.round(y / STEP) * Math.round(STEP * 100)];
    const last = out[out.length - 1];
    if (!last || last[0] !== q[0] || last[1] !== q[1]) out.push(q);
  }
  if (closed && out.length > 1) {
    const f = out[0], l = out[out.length - 1];
    if (f[0] === l[0] && f[1] === l[1]) out.pop();
  }
  return out;
}

function encode(tag, points) {
  const parts = [tag, points[0][0], points[0][1]];
  for (let i = 1; i < points.length; ++i)
    parts.push(points[i][0] - points[i - 1][0], points[i][1] - points[i - 1][1]);
  return parts.join(' ');
}

const lines = [
  `# Land and country borders of 28 W - 58 E / 20 N - 80 N (plus ${MARGIN} degrees), for the statistics map.`,
  `# Made by tools/mapdata/convert.mjs from world-atlas ${pkg.version} countries-50m.json (Natural Earth 1:50m, public domain).`,
];

const land = topojson.merge(topo, topo.objects.countries.geometries);
let rings = 0, borders = 0, points = 0;
for (const polygon of land.coordinates) {
  for (const ring of polygon) {
    const open = unwrap(ring.slice(0, -1));
    for (const s of shifts(open)) {
      const clipped = clipRing(open.map(([x, y]) => [x + s, y]));
      const q = quantise(clipped, true);
      if (q.length < 3) continue;
      lines.push(encode('L', q));
      ++rings;
      points += q.length;
    }
  }
}

const mesh = topojson.mesh(topo, topo.objects.countries, (a, b) => a !== b);
for (const line of mesh.coordinates) {
  const open = unwrap(line);
  for (const s of shifts(open)) {
    for (const piece of clipLine(open.map(([x, y]) => [x + s, y]))) {
      const q = quantise(piece, false);
      if (q.length < 2) continue;
      lines.push(encode('B', q));
      ++borders;
      points += q.length;
    }
  }
}

process.stdout.write(lines.join('\n') + '\n');
process.stderr.write(`${rings} land rings, ${borders} border lines, ${points} points\n`);
