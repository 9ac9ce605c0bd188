#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace records {

// One filter of a search: its clause text (" and name like ") and the field's text.
using Filter = std::pair<QString, QString>;

// The search statement: the base text, then for each filter whose text is not empty its
// clause, the text wrapped in "%" as a quoted literal (single quotes doubled; nothing trimmed,
// "%" and "_" left to LIKE) and one blank, then " order by id desc".
QString buildSearchStatement(const QString& base, const std::vector<Filter>& filters);

inline const QString outpatientSearchBase = QStringLiteral(
    "select num as NO,name as 姓名,strftime('%Y-%m-%d',operdate) 日期,zyf 中药费,xyf 西药费,"
    "tszxf 透视照像费,hyzjf 化验针炙费,czzsf 处置注射费,ssf 手术费,qtf 其他,hj 合计 from tmz "
    "where 1=1 ");

inline const QString inpatientSearchBase = QStringLiteral(
    "select num,zyh,name,dw,strftime('%Y-%m-%d',zyrq) zyrq,strftime('%Y-%m-%d',cyrq) cyrq,zyts,"
    "cwf,xyf,zcy,zcaoy,jcf,zlf,fsf,ssf,hyf,sxf,syf,zhenlf,hlf,qtzl,hj,ysk,yjk,ytk,zffs,"
    "strftime('%Y-%m-%d',jsrq) jsrq,jsy from tzy where 1=1 ");

} // namespace records
