// Which charset a menu.js was written in. The converter keeps the bytes
// of the export, and old exports are in the system's code page; a menu
// that is not UTF-8 is read again in the charset its bytes fit best. No
// DOM here: node tests it as the page runs it.
/* global B2M */
(function (B2M) {
  'use strict';

  // What "Read as…" offers; the detector weighs all but UTF-8.
  var charsets = [
    ['utf-8', 'Unicode (UTF-8)'],
    ['windows-1252', 'Western (Windows)'],
    ['macintosh', 'Western (Mac)'],
    ['windows-1250', 'Central European (Windows)'],
    ['windows-1251', 'Cyrillic (Windows)'],
    ['koi8-r', 'Cyrillic (KOI8-R)'],
    ['gbk', 'Chinese, simplified (GBK)'],
    ['big5', 'Chinese, traditional (Big5)'],
    ['shift_jis', 'Japanese (Shift_JIS)'],
    ['euc-jp', 'Japanese (EUC-JP)'],
    ['euc-kr', 'Korean (EUC-KR)'],
  ];
  var weighed = ['windows-1252', 'macintosh', 'windows-1251', 'gbk', 'big5',
    'shift_jis', 'euc-jp', 'euc-kr'];
  // The charset each language's exports were written in, for a tie.
  var byLanguage = { zh: 'gbk', 'zh-tw': 'big5', 'zh-hk': 'big5',
    ja: 'shift_jis', ko: 'euc-kr', ru: 'windows-1251', uk: 'windows-1251',
    bg: 'windows-1251', sr: 'windows-1251', be: 'windows-1251' };

  // The most frequent characters of simplified and traditional Chinese
  // titles: the same words tell GBK from Big5.
  var simplified = '的一是不了在人有我他这个们中来上大为和国地到以说时要' +
    '就出会可也你对生能而子那得于着下自之年过发后作里用道行所然家种事成方' +
    '多经么去法学如都同现当没动面起看定天分还进好小部其些主样理心她本前开' +
    '但因只从想实日军者意无力它与长把机十民第公此已工使情明性知全三又关点' +
    '正业外将两高间由问很最重并物手应战向头文体政美相见被利什二等产或新己' +
    '制身果加西斯月话合回特代内信表化老给世位次度门任常先海通教儿原东声提' +
    '立及比员解水名真论处走义各入几口认条平系气题活尔更别打女变四神总何电' +
    '数安少报才结反受目太量再感建务做接必场件计管期市直德资命山金指克许统' +
    '区保至队形社便空决治展马科司五基眼书非则听白却界达光放强即像难且权思' +
    '王象完设式色路记南品住告类求据程北边死张该交规万取拉格望觉术领共确传' +
    '师观清今切院让识候带导争运笑飞风步改收根干造言联持组每济车亲极林服快' +
    '办议往元英士证近失转夫令准布始怎呢存未远叫台单影具罗字爱击流备兵连调' +
    '深商算质团集百需价花党华城石级整府离况亚请技际约示复病息究线似官火断' +
    '精满支视消越器容照须九增研写称企八功吗包片史委乎查轻易早曾除农找装广' +
    '显吧阿李标谈吃图念六引历首医局突专费号尽另周较注语仅考落青随选列武红' +
    '响虽推势参希古众构房半节土投某案黑维革划敌致陈律足态护七兴派孩验责营' +
    '星够章音跟志底站严巴例防族供效续施留讲型料终答紧黄绝奇察母京段依批群' +
    '项故按河米围江织害斗双境客纪采举杀攻父苏密低朝友诉止细愿千值仍男钱破' +
    '网热助倒育属坐帝限船脸职速刻乐否刚威毛状率甚独球般普怕弹校苦创假久错' +
    '承印晚兰试股拿脑预谁益阳若哪微尼继送急血惊伤素药适波夜省初喜卫源食险' +
    '待述陆习置居劳财环排福纳欢雷警获模充负云停木游龙树疑层冷洲冲射略范竟' +
    '句室异激汉村哈策演简卡罪判担州静退既衣您宗积余痛检差富灵协角占配征修' +
    '皮挥胜降阶审沉坚善妈刘读啊超免压银买皇养伊怀执副乱抗犯追帮宣佛岁航优' +
    '怪香著田铁控税左右份穿艺背阵草脚概恶块顿敢守酒岛托央户烈洋哥索胡款靠' +
    '评版宝座释景顾弟登货互付伯慢欧换闻危忙核暗姐介坏讨丽良序升监临亮露永' +
    '呼味野架域沙掉括舰鱼杂误湾吉减编楚肯测败屋跑梦散温困剑渐封救贵枪缺楼' +
    '县尚毫移娘朋画班智亦耳恩短掌恐遗固席松秘谢鲁遇康虑幸均销钟诗藏赶剧票' +
    '损忽巨炮旧端探湖录叶春乡附吸予礼港雨呀板庭妇归睛饭额含顺输摇招婚脱补' +
    '谓督毒油疗旅泽材灭逐莫笔亡鲜词圣择寻厂睡博勒烟授诺伦岸奥唐卖俄炸载洛' +
    '健堂旁宫喝借君禁阴园谋宋避抓荣姑孙逃牙束跳顶玉镇雪午练迫爷篇肉嘴馆遍' +
    '凡础洞卷坦牛宁纸诸训私庄祖丝翻暴森塔默握戏隐熟骨访弱蒙歌店鬼软典欲萨' +
    '伙遭盘爸扩盖弄雄稳忘亿刺拥徒姆杨齐赛趣曲刀床迎冰虚玩析窗醒妻透购替塞' +
    '努休虎扬途侵刑绿兄迅套贸毕唯谷轮库迹尤竞街促延震弃甲伟麻川申缓潜闪售' +
    '灯针哲络抵朱埃抱鼓植纯夏忍页杰筑折郑贝尊吴秀混臣雅振染盛怒舞圆搞狂措' +
    '姓残秋培迷诚宽宇猛摆梅毁伸摩盟末乃悲拍丁赵硬麦蒋操耶阻订彩抽赞魔纷沿' +
    '喊违妹浪汇币丰蓝殊献桌啦瓦莱援译夺汽烧距裁偏符勇触课敬哭懂墙袭召罚侠' +
    '厅拜巧侧韩冒债曼融惯享戴童犹乘挂奖绍厚纵障讯涉彻刊丈爆乌役描洗玛患妙' +
    '镜唱烦签仙彼弗症仿倾牌陷鸟轰咱菜闭奋庆撤泪茶疾缘播朗杜奶季丹狗尾仪偷' +
    '奔珠虫驻孔宜艾桥淡翼恨繁寒伴叹旦愈潮粮缩罢聚径恰挑袋灰捕徐珍幕映裂泰' +
    '隔启尸暂芳亏删网页视频软件下载游戏音乐新闻博客论坛搜索首页登录注册';
  var traditional = '的一是不了在人有我他這個們中來上大為和國地到以說時要' +
    '就出會可也你對生能而子那得於著下自之年過發後作裡用道行所然家種事成方' +
    '多經麼去法學如都同現當沒動面起看定天分還進好小部其些主樣理心她本前開' +
    '但因只從想實日軍者意無力它與長把機十民第公此已工使情明性知全三又關點' +
    '正業外將兩高間由問很最重並物手應戰向頭文體政美相見被利什二等產或新己' +
    '網頁視頻軟體下載遊戲音樂新聞部落格論壇搜尋首頁登入註冊';
  // Japanese titles share most of both, and have forms of their own.
  var japanese = simplified + traditional + '気円会社駅楽語読書辞検索覧画像動' +
    '画広島県区町村様々毎週報知恵袋価格比較通販楽天株式記事写真';
  var common = { gbk: new Set(simplified), big5: new Set(traditional),
    shift_jis: new Set(japanese), 'euc-jp': new Set(japanese) };

  function isAsciiLetter(c) {
    return (c >= 65 && c <= 90) || (c >= 97 && c <= 122);
  }
  var westernLetters = /[\u00c0-\u00d6\u00d8-\u00f6\u00f8-\u00ff]/;
  var punctuation = /[\u00a0\u00ab\u00bb\u00a9\u00ae\u00b0\u00b7\u2013\u2014\u2018\u2019\u201c\u201d\u2026\u2022\u20ac\u2122\u00a3\u00a5\u3000-\u303f\uff01-\uff5e]/;

  // How plausible one character is, decoded with `charset`, between the
  // characters before and after it.
  function weigh(charset, c, before, after) {
    var code = c.codePointAt(0);
    if (code >= 0x4e00 && code <= 0x9fff)
      return common[charset] && common[charset].has(c) ? 4 : 1;
    if (code >= 0x3041 && code <= 0x30ff)            // kana
      return charset === 'shift_jis' || charset === 'euc-jp' ? 3 : 0;
    if (code >= 0xac00 && code <= 0xd7a3) return 3;  // hangul
    if (code >= 0x3131 && code <= 0x318e) return -3; // jamo alone
    if (code >= 0x0410 && code <= 0x044f) {          // Cyrillic
      // Words are Cyrillic throughout, and capitals start them.
      var b0 = before.charCodeAt(0), a0 = after.charCodeAt(0);
      if (isAsciiLetter(b0) || isAsciiLetter(a0)) return -1;
      return code >= 0x0430 || !/[\u0410-\u044f]/.test(before) ? 2 : -1;
    }
    if (westernLetters.test(c)) {
      // Accents stand inside words of Latin letters, and capitals do not
      // follow small letters.
      var b = before.charCodeAt(0), a = after.charCodeAt(0);
      if (code < 0xdf && b >= 97 && b <= 122) return -1;
      return isAsciiLetter(b) || isAsciiLetter(a) ? 2 : 0;
    }
    if (punctuation.test(c)) return 1;
    if (code >= 0x80 && code <= 0x9f) return -5;    // C1 controls
    if (code >= 0xe000 && code <= 0xf8ff) return -5; // private use
    if (code === 0xfffd) return -5;
    if (/[\u0152\u0153\u0160\u0161\u0178\u017d\u017e\u0192\u00c0-\u024f]/.test(c))
      return 0;
    return -1;
  }

  // windows-1252's letters and signs at 0x80 to 0x9F, which some
  // decoders outside browsers read as C1 controls.
  var c1 = '\u20ac\x81\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030' +
    '\u0160\u2039\u0152\x8d\u017d\x8f\x90\u2018\u2019\u201c\u201d\u2022' +
    '\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\x9d\u017e\u0178';

  function decode(bytes, charset) {
    if (charset !== 'windows-1252')
      return new TextDecoder(charset, { fatal: true }).decode(bytes);
    var out = '';
    for (var i = 0; i < bytes.length; i++) {
      var b = bytes[i];
      out += b >= 0x80 && b < 0xa0 ? c1[b - 0x80] : String.fromCharCode(b);
    }
    return out;
  }

  // The score of `bytes` read as `charset`, per byte beyond ASCII; null
  // where the bytes are not that charset at all.
  function score(bytes, charset) {
    var text;
    try { text = decode(bytes, charset); } catch { return null; }
    var chars = Array.from(text), total = 0, high = 0;
    for (var i = 0; i < bytes.length; i++) if (bytes[i] >= 0x80) high++;
    for (i = 0; i < chars.length; i++) {
      if (chars[i].charCodeAt(0) < 0x80) continue;
      total += weigh(charset, chars[i], chars[i - 1] || ' ',
        chars[i + 1] || ' ');
    }
    return high ? total / high : 0;
  }

  // The charset the bytes fit best; the browser's language breaks a tie.
  function detect(bytes, language) {
    try {
      new TextDecoder('utf-8', { fatal: true }).decode(bytes);
      return 'utf-8';
    } catch { /* not UTF-8: weigh the others */ }
    var lang = String(language || '').toLowerCase(), best = 'windows-1252';
    var preferred = byLanguage[lang] || byLanguage[lang.split('-')[0]];
    var top = -Infinity;
    weighed.forEach(function (charset) {
      var s = score(bytes, charset);
      if (s === null) return;
      if (charset === preferred) s += 0.05;
      if (s > top) { top = s; best = charset; }
    });
    return best;
  }

  // The charset a label names, as the browser reads META, or null.
  function named(label) {
    try { return new TextDecoder(String(label).trim()).encoding; }
    catch { return null; }
  }

  // The charset a label names if "Read as…" offers it, else null: one
  // stored that it does not offer (UTF-16, say) could not be undone.
  function offered(label) {
    var c = named(label || '');
    return charsets.some(function (o) { return o[0] === c; }) ? c : null;
  }

  // A charset a page's META may name: as a browser reads it, UTF-16 there
  // means UTF-8, and x-user-defined windows-1252.
  function asMeta(c) {
    return /^utf-16/.test(c) ? 'utf-8' : c === 'x-user-defined'
      ? 'windows-1252' : c === 'replacement' ? null : c;
  }

  // The export's declared charset, from its META near the start, or null.
  // A label no browser knows is read as the browser's own default, as the
  // browser reads the export.
  function declared(bytes, language) {
    var head = '';
    for (var i = 0; i < Math.min(bytes.length, 4096); i++)
      head += String.fromCharCode(bytes[i]);
    var m = /<meta[^>]+charset\s*=\s*["']?([\w.:-]+)/i.exec(head);
    if (!m) return null;
    var lang = String(language || '').toLowerCase();
    return asMeta(named(m[1])) || byLanguage[lang] ||
      byLanguage[lang.split('-')[0]] || 'windows-1252';
  }

  // A string read in x-user-defined back into its bytes.
  function bytesOf(s, out) {
    for (var i = 0; i < s.length; i++) {
      var c = s.charCodeAt(i);
      out.push(c >= 0xf780 ? c - 0xf700 : c & 0xff);
    }
  }

  B2M.charset = { list: charsets, detect: detect, declared: declared,
    named: named, offered: offered, asMeta: asMeta, bytesOf: bytesOf,
    decode: decode, c1: c1 };
})(B2M);
