// SHA-256 (FIPS 180-4) and HMAC-SHA-256 (RFC 2104) for the director's remote. Browsers give
// crypto.subtle only to pages served over TLS, which a page on the field's network is not; this
// one is checked against RFC 4231's vectors, as the program's own is.
"use strict";
const AerolapHmac = (() => {
  // The first 32 bits of the fractional parts of the square roots (H) and cube roots (K) of the
  // first primes: computed, so that no constant can be mistyped.
  const primes = [];
  for (let n = 2; primes.length < 64; n++) {
    if (primes.every((p) => n % p !== 0)) primes.push(n);
  }
  const fraction = (x) => ((x - Math.floor(x)) * 0x100000000) >>> 0;
  const K = Uint32Array.from(primes, (p) => fraction(Math.cbrt(p)));
  const H = Uint32Array.from(primes.slice(0, 8), (p) => fraction(Math.sqrt(p)));
  const rotr = (x, n) => (x >>> n) | (x << (32 - n));

  function sha256(data) {
    const blocks = new Uint8Array(Math.ceil((data.length + 9) / 64) * 64);
    blocks.set(data);
    blocks[data.length] = 0x80;
    const view = new DataView(blocks.buffer);
    view.setUint32(blocks.length - 8, Math.floor(data.length / 0x20000000));
    view.setUint32(blocks.length - 4, (data.length * 8) >>> 0);
    const h = Uint32Array.from(H);
    const w = new Uint32Array(64);
    for (let offset = 0; offset < blocks.length; offset += 64) {
      for (let i = 0; i < 16; i++) w[i] = view.getUint32(offset + 4 * i);
      for (let i = 16; i < 64; i++) {
        const s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >>> 3);
        const s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >>> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
      }
      let [a, b, c, d, e, f, g, k] = h;
      for (let i = 0; i < 64; i++) {
        const t1 = (k + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + K[i] + w[i]) | 0;
        const t2 = ((rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c))) | 0;
        k = g; g = f; f = e; e = (d + t1) | 0; d = c; c = b; b = a; a = (t1 + t2) | 0;
      }
      [a, b, c, d, e, f, g, k].forEach((value, i) => { h[i] += value; });
    }
    const digest = new Uint8Array(32);
    const out = new DataView(digest.buffer);
    h.forEach((value, i) => out.setUint32(4 * i, value));
    return digest;
  }

  function hmacSha256(key, message) {
    const block = new Uint8Array(64);
    block.set(key.length > 64 ? sha256(key) : key);
    const inner = new Uint8Array(64 + message.length);
    const outer = new Uint8Array(64 + 32);
    for (let i = 0; i < 64; i++) {
      inner[i] = block[i] ^ 0x36;
      outer[i] = block[i] ^ 0x5c;
    }
    inner.set(message, 64);
    outer.set(sha256(inner), 64);
    return sha256(outer);
  }

  const toHex = (bytes) => Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
  const fromHex = (text) => Uint8Array.from(text.match(/../g) || [], (pair) => parseInt(pair, 16));
  return { sha256, hmacSha256, toHex, fromHex };
})();
